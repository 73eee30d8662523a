// The lead melody of the final scene, written as note names and lengths in beats over the
// Dm-Bb-F-C cycle (one chord per bar): chord tones on the strong beats, steps between them.
// It plays twice, the second time doubled an octave up; a held cadence closes it over the ending.

#include <cctype>
#include <cstdlib>
#include <sstream>
#include <string>

#include "score.h"
#include "timeline.h"

namespace {

constexpr const char* kMelody =
    "A4:1.5 G4:0.5 F4:1 E4:1  D4:3 F4:1  C5:1.5 Bb4:0.5 A4:1 F4:1  G4:4 "
    "A4:1.5 G4:0.5 F4:1 A4:1  D5:2 C5:1 Bb4:1  A4:1.5 G4:0.5 F4:1 C5:1  E5:3 r:1 "
    "D5:1.5 E5:0.5 F5:1 D5:1  F5:2 E5:1 D5:1  C5:1.5 D5:0.5 C5:1 A4:1  G4:2 A4:1 C5:1 "
    "D5:1.5 C5:0.5 A4:1 F4:1  D5:2 F5:1 D5:1  C5:2 A4:1 F4:1  E4:2 G4:1 E5:1";

constexpr const char* kCadence = "D5:8 E5:4 C5:4 D5:8";

// "Bb4" -> 70; "r" is a rest and gives -1.
int noteNumber(const std::string& name) {
  static constexpr int kSemitones[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.empty() || name[0] == 'r') return -1;
  int semitone = kSemitones[std::toupper(static_cast<unsigned char>(name[0])) - 'A'];
  size_t position = 1;
  if (position < name.size() && name[position] == 'b') semitone -= 1, ++position;
  if (position < name.size() && name[position] == '#') semitone += 1, ++position;
  int octave = name[position] - '0';
  return 12 * (octave + 1) + semitone;
}

// Appends the phrase from `startBar`, legato but with a breath between notes.
void addPhrase(NoteList& notes, const char* phrase, int startBar, int transpose, float velocity) {
  std::istringstream words(phrase);
  std::string word;
  float beat = 0.0f;
  while (words >> word) {
    size_t colon = word.find(':');
    float beats = std::strtof(word.c_str() + colon + 1, nullptr);
    int pitch = noteNumber(word.substr(0, colon));
    if (pitch >= 0) {
      notes.push_back({barTime(startBar, beat), beats * kBeatSeconds * 0.92f,
                       static_cast<float>(pitch + transpose), velocity});
    }
    beat += beats;
  }
}

}  // namespace

void addLeadMelody(Score& score) {
  addPhrase(score.lead, kMelody, kFinalBar, 0, 0.9f);
  addPhrase(score.lead, kMelody, kFinalBar + 16, 0, 1.0f);
  addPhrase(score.leadHigh, kMelody, kFinalBar + 16, 12, 0.5f);
  addPhrase(score.lead, kCadence, kEndingBar, 0, 0.8f);
}
