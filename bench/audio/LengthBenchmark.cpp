// How long opening a long MP3 takes to learn its length, as the player
// does for every row of a folder: through our information component (the
// packets are read, not decoded), against ffprobe asked for the duration,
// and against a full decode by ffmpeg, which is what counting by decoding
// costs. The file is CBR without an info tag, as the recorder writes it,
// made of a one-minute piece repeated. Arguments: minutes (60), rounds (3).

#include "platform/audio/AudioInformation2.h"

#include "BenchSupport.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
  int minutes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
  int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  char pattern[] = "/tmp/audio-bench-XXXXXX";
  std::string folder = mkdtemp(pattern);
  std::string wav = folder + "/piece.wav", piece = folder + "/piece.mp3", mp3 = folder + "/long.mp3";
  std::printf("Writing %d minutes of 128 kbps MP3...\n", minutes);
  WriteSourceWav(wav, 60);
  Run("lame --quiet -t -b 128 '" + wav + "' '" + piece + "'");
  {
    std::ifstream in(piece, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::ofstream out(mp3, std::ios::binary);
    for (int minute = 0; minute < minutes; ++minute) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  std::int64_t length = 0;
  auto ours = [&] {
    TAudioInformation2 information;
    information.Open(mp3);
    length = information.LengthSamples();
  };
  std::string probe = "ffprobe -v error -show_entries format=duration -of csv=p=0 '" + mp3 + "'";
  Pair probed = BestOf(rounds, ours, [&] { Run(probe + " >/dev/null"); });
  Report("Length of a long MP3", probed, "ffprobe", 1.0);
  Pair decoded = BestOf(rounds, ours, [&] { Run("ffmpeg -nostdin -v error -i '" + mp3 + "' -f null -"); });
  Report("Length of a long MP3, against decoding it all", decoded, "ffmpeg", 0.2);

  std::printf("  ours: %.3f s; ffprobe: ", static_cast<double>(length) / 44100);
  std::fflush(stdout);
  Run(probe);
  std::filesystem::remove_all(folder);
  return 0;
}
