// The mix: each instrument's level, place and sends. Levels leave about 6 dB of headroom under
// the limiter in the loudest section; bass and kick stay in the centre, the rest is spread.

#include "renderer.h"

#include <algorithm>
#include <cmath>

#include "delay.h"
#include "instrument_util.h"
#include "reverb.h"
#include "timeline.h"

namespace {

constexpr float kDuckDepth = 0.55f;
constexpr float kDuckSeconds = 0.11f;

constexpr EchoSettings kEcho{3.0f * kSixteenthSeconds, 0.42f, 3800.0f, 0.35f};
constexpr ReverbSettings kHall{0.025f, 0.85f, 0.35f, 1.0f};

// The pad, the bass and the arpeggio dip under every kick and swell back: the pumping of dance
// music, which also keeps the low end clear for the kick.
void buildDuckCurve(const NoteList& kicks, MixBuses& buses) {
  int length = secondsToFrames(kDuckSeconds * 4.0f);
  for (const Note& kick : kicks) {
    int first = noteStartFrame(kick);
    for (int i = 0; i < length && first + i < buses.frames; ++i) {
      float dip = 1.0f - kDuckDepth * std::exp(-frameSeconds(i) / kDuckSeconds);
      buses.duck[first + i] = std::min(buses.duck[first + i], dip);
    }
  }
}

void renderAmbience(const Score& score, MixBuses& buses) {
  Channel pad(buses, {-3.0f, 0.0f, 0.0f, 0.35f, 0.8f});
  renderPad(score.pad, score.padControls, pad);
  Channel surf(buses, {-9.0f, 0.0f, 0.0f, 0.25f, 0.0f});
  renderNoiseSwell(score.swellControls, surf);
  Channel glitter(buses, {0.0f, 0.0f, 0.5f, 0.5f, 0.0f});
  renderBell(score.glitter, 0.22f, glitter);
  Channel riser(buses, {-10.0f, 0.0f, 0.2f, 0.4f, 0.0f});
  renderRiser(score.riser, riser);
  Channel crash(buses, {-11.0f, 0.0f, 0.0f, 0.5f, 0.0f});
  renderCrash(score.crash, crash);
}

void renderBeat(const Score& score, MixBuses& buses) {
  Channel pulse(buses, {0.0f, 0.1f, 0.35f, 0.2f, 0.0f});
  renderPulse(score.pulse, score.pulseControls, pulse);
  Channel kick(buses, {-3.0f, 0.0f, 0.0f, 0.03f, 0.0f});
  renderKick(score.kick, kick);
  Channel closedHat(buses, {2.0f, 0.0f, 0.0f, 0.05f, 0.0f});
  renderHat(score.closedHat, 0.03f, closedHat);
  Channel openHat(buses, {0.0f, 0.0f, 0.1f, 0.1f, 0.0f});
  renderHat(score.openHat, 0.11f, openHat);
  Channel clap(buses, {1.0f, 0.0f, 0.0f, 0.35f, 0.0f});
  renderClap(score.clap, clap);
  Channel bass(buses, {-4.0f, 0.0f, 0.0f, 0.0f, 0.7f});
  renderBass(score.bass, score.bassControls, bass);
}

void renderMelodic(const Score& score, MixBuses& buses) {
  Channel arpeggio(buses, {3.0f, 0.0f, 0.45f, 0.2f, 0.5f});
  renderArpeggio(score.arpeggio, score.arpeggioControls, arpeggio);
  Channel bell(buses, {-7.0f, 0.0f, 0.45f, 0.5f, 0.0f});
  renderBell(score.bell, 0.9f, bell);
  Channel lead(buses, {3.0f, 0.0f, 0.3f, 0.3f, 0.0f});
  renderLead(score.lead, lead);
  Channel leadHigh(buses, {-2.0f, 0.0f, 0.4f, 0.4f, 0.0f});
  renderLead(score.leadHigh, leadHigh);
}

}  // namespace

void renderScore(const Score& score, MixBuses& buses) {
  buildDuckCurve(score.kick, buses);
  renderAmbience(score, buses);
  renderBeat(score, buses);
  renderMelodic(score, buses);
  applyPingPongDelay(kEcho, buses);
  applyReverb(kHall, buses);
}
