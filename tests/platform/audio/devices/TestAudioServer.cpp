#include "TestAudioServer.h"

#include <fcntl.h>
#include <pthread.h>
#include <time.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

extern char** environ;

namespace testserver {
namespace {
namespace fs = std::filesystem;
constexpr int kRate = 44100;
}  // namespace

class Server : public ::testing::Environment {
 public:
  std::string Start(std::string& why) {
    static int started = 0;
    dir_ = fs::temp_directory_path() /
           ("velmora-pulse-" + std::to_string(getpid()) + "-" + std::to_string(++started));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    const std::string socket = (dir_ / "native").string();
    const std::string fifo = (dir_ / "signal.fifo").string();
    const std::string log = (dir_ / "server.log").string();

    // Its own home and runtime folders keep it away from any user's server;
    // running as root (as CI does) is allowed for such a private instance.
    std::vector<std::string> args = {
        "pulseaudio", "--daemonize=no", "-n", "--exit-idle-time=-1", "--disable-shm=yes",
        "--use-pid-file=no", "--system=no", "--realtime=no", "--high-priority=no",
        "--log-target=file:" + log,
        "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket,
        std::string("--load=module-null-sink sink_name=testsink sink_properties=device.description=") + kSinkName +
            " rate=44100 channels=2",
        "--load=module-pipe-source source_name=knownsignal file=" + fifo +
            " format=s16le rate=44100 channels=2 source_properties=device.description=" + kSignalInputName};
    std::vector<std::string> env = {"HOME=" + dir_.string(), "XDG_RUNTIME_DIR=" + dir_.string(),
                                    "XDG_CONFIG_HOME=" + (dir_ / "config").string(), "PATH=/usr/bin:/bin"};
    pid_ = Spawn(args, env);
    if (pid_ == 0) {
      pid_ = 0;
      why = "pulseaudio is not installed";
      return {};
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!(fs::exists(socket) && fs::exists(fifo))) {
      int status;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = 0;
        why = "pulseaudio exited at start; see " + log;
        return {};
      }
      if (std::chrono::steady_clock::now() > deadline) {
        why = "pulseaudio did not come up; see " + log;
        return {};
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    fifoFd_ = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (fifoFd_ < 0) {
      why = "cannot open the signal pipe " + fifo;
      return {};
    }
    feeder_ = std::thread([this] { Feed(); });
    // An idle null sink renders seconds ahead and then sleeps; a silent
    // low-latency stream keeps it working in small steps, as a sound card
    // does, so output starts at once.
    std::vector<std::string> keep = {"pacat", "--playback", "--latency-msec=20", "--device=testsink",
                                     "--server=unix:" + socket, "/dev/zero"};
    keeperPid_ = Spawn(keep, env);
    return "unix:" + socket;
  }

  void TearDown() override {
    feeding_ = false;
    if (feeder_.joinable()) feeder_.join();
    if (fifoFd_ >= 0) close(fifoFd_);
    fifoFd_ = -1;
    Terminate(keeperPid_);
    Terminate(pid_);
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  double FeederCpuSeconds() {
    if (!feeder_.joinable()) return 0;
    clockid_t clock;
    timespec t{};
    if (pthread_getcpuclockid(feeder_.native_handle(), &clock) != 0 || clock_gettime(clock, &t) != 0) return 0;
    return t.tv_sec + t.tv_nsec / 1e9;
  }

 private:
  // Starts a program with its output to /dev/null: a child must not hold
  // the test's output open, or the test runner would wait for it.
  static pid_t Spawn(std::vector<std::string> args, std::vector<std::string> env) {
    std::vector<char*> argv, envp;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    for (int fd = 0; fd <= 2; ++fd) posix_spawn_file_actions_addopen(&quiet, fd, "/dev/null", O_RDWR, 0);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &quiet, nullptr, argv.data(), envp.data()) != 0) pid = 0;
    posix_spawn_file_actions_destroy(&quiet);
    return pid;
  }

  static void Terminate(pid_t& pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    int status;
    waitpid(pid, &status, 0);
    pid = 0;
  }

  // Writes the known signal in real time, 10 ms at a time.
  void Feed() {
    std::vector<std::int16_t> second(kRate * 2);  // exactly 1000 periods
    for (int i = 0; i < kRate; ++i) {
      const auto v = static_cast<std::int16_t>(std::lround(16384 * std::sin(2 * std::numbers::pi * 1000.0 * i / kRate)));
      second[2 * i] = second[2 * i + 1] = v;
    }
    const int chunk = kRate / 100;
    int pos = 0;
    auto next = std::chrono::steady_clock::now();
    while (feeding_) {
      std::vector<std::int16_t> out(chunk * 2);
      for (int i = 0; i < chunk; ++i, pos = (pos + 1) % kRate) {
        out[2 * i] = second[2 * pos];
        out[2 * i + 1] = second[2 * pos + 1];
      }
      if (write(fifoFd_, out.data(), out.size() * 2) < 0) { /* a full pipe drops a chunk */ }
      next += std::chrono::milliseconds(10);
      std::this_thread::sleep_until(next);
    }
  }

  fs::path dir_;
  pid_t pid_ = 0;
  pid_t keeperPid_ = 0;
  int fifoFd_ = -1;
  std::atomic<bool> feeding_ = true;
  std::thread feeder_;
};

namespace {
Server* server = nullptr;
}  // namespace

std::string ServerAddress(std::string& why) {
  static std::string address, failure;
  if (!server) {
    signal(SIGPIPE, SIG_IGN);
    server = new Server;
    ::testing::AddGlobalTestEnvironment(server);  // stops it at the end
    std::atexit([] { server->TearDown(); });      // and if the run is cut short
    address = server->Start(failure);
  }
  why = failure;
  return address;
}

double FeederCpuSeconds() { return server ? server->FeederCpuSeconds() : 0; }

OwnSoundServer::OwnSoundServer() : server_(std::make_unique<Server>()) { address_ = server_->Start(failure_); }

OwnSoundServer::~OwnSoundServer() { server_->TearDown(); }

void OwnSoundServer::Kill() { server_->TearDown(); }

}  // namespace testserver
