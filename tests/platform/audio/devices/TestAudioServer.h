#pragma once
// A private sound server for the tests: a null output "TestSink" and an
// input "KnownSignal" fed in real time with the same signal as the
// virtual test-tone line (1 kHz at half of full scale, 44100 Hz stereo).
// Started on first use, stopped when the test program ends.

#include <memory>
#include <string>

namespace testserver {

constexpr const char* kSignalInputName = "KnownSignal";
constexpr const char* kSinkName = "TestSink";
constexpr const char* kSinkMonitorName = "Monitor of TestSink";

// The server's address for PULSE_SERVER, or empty when it could not start;
// then `why` says what went wrong.
std::string ServerAddress(std::string& why);

// CPU time the thread feeding the known signal has used, in seconds; the
// tests leave it out of the CPU use they measure.
double FeederCpuSeconds();

class Server;

// A server of a test's own, for a test that takes it away on purpose.
class OwnSoundServer {
 public:
  OwnSoundServer();
  ~OwnSoundServer();
  // Empty when it could not start; then Failure() says why.
  const std::string& Address() const { return address_; }
  const std::string& Failure() const { return failure_; }
  void Kill();

 private:
  std::unique_ptr<Server> server_;
  std::string address_, failure_;
};

}  // namespace testserver
