#!/usr/bin/perl
# Reads a window's picture from an xwd file and says how the 4:3 picture lies in it: the window's
# size, the picture's place (as the demo fits it: the largest 4:3 rectangle, centred), and how
# many pixels are lit in the bars around it and in the picture's outer eighth at its left and at
# its right (a scene that has lit its picture out to the sides has lit a stretched one out to the
# window's sides too). One line:
#   WIDTHxHEIGHT picture X,Y,WxH bars-lit N left-lit L right-lit R
# Only the 24- and 32-bit true-colour pictures an X server hands out for a GL window are read.
use strict;
use warnings;

my $file = shift @ARGV or die "usage: picture_bars.pl FILE.xwd\n";
open(my $in, '<:raw', $file) or die "$file: $!\n";
local $/;
my $data = <$in>;
close $in;

length($data) >= 100 or die "$file: too short for an xwd header\n";
my @h = unpack('N25', $data);
my ($header_size, $width, $height, $byte_order, $bits, $row_bytes, $ncolors) =
    @h[0, 4, 5, 7, 11, 12, 19];
my $colour_mask = $h[14] | $h[15] | $h[16];
$bits == 32 or die "$file: $bits bits a pixel, not 32\n";
my $start = $header_size + 12 * $ncolors;
length($data) >= $start + $row_bytes * $height or die "$file: the pixels are cut short\n";

# The same rounding as the demo: the side that fills the window is exact, the other rounded.
my ($px, $py, $pw, $ph) = (0, 0, $width, $height);
if ($width * 3 > $height * 4) {
  $pw = int((2 * $height * 4 + 3) / 6);
} else {
  $ph = int((2 * $width * 3 + 4) / 8);
}
$px = int(($width - $pw) / 2);
$py = int(($height - $ph) / 2);

my $format = $byte_order == 0 ? 'V*' : 'N*';
my $edge = int($pw / 8);
my ($bars_lit, $left_lit, $right_lit) = (0, 0, 0);
for my $y (0 .. $height - 1) {
  my @row = unpack($format, substr($data, $start + $y * $row_bytes, 4 * $width));
  my $inside_row = $y >= $py && $y < $py + $ph;
  for my $x (0 .. $width - 1) {
    next unless $row[$x] & $colour_mask;
    if (!$inside_row || $x < $px || $x >= $px + $pw) {
      ++$bars_lit;
    } elsif ($x < $px + $edge) {
      ++$left_lit;
    } elsif ($x >= $px + $pw - $edge) {
      ++$right_lit;
    }
  }
}
print "${width}x$height picture $px,$py,${pw}x$ph bars-lit $bars_lit left-lit $left_lit right-lit $right_lit\n";
