#include "bench_support.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>

namespace gft::bench {

namespace {

void WriteAll(int fd, const Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) throw std::runtime_error("write failed");
        done += static_cast<std::size_t>(n);
    }
}

// The console output, plus the time of every run kept for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    explicit RatioReporter(const std::vector<Ratio>& ratios)
        : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular),
          ratios_(ratios) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
            const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
            times_[run.run_name.str()] = {run.GetAdjustedRealTime() / unit,
                                          run.GetAdjustedCPUTime() / unit};
        }
    }

    // Goals are judged on the real time, the time a user waits.
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-26s %-22s %10s %10s %8s %10s %10s %8s  %s\n", "benchmark", "baseline",
                    "real", "base", "ratio", "cpu", "base", "ratio", "goal");
        for (const Ratio& ratio : ratios_) {
            const auto time = times_.find(ratio.name);
            const auto base = times_.find(ratio.baseline);
            if (time == times_.end() || base == times_.end()) continue;
            const double real = time->second.real / base->second.real;
            const double cpu = time->second.cpu / base->second.cpu;
            char goal[64] = "";
            if (ratio.goalRatio > 0)
                std::snprintf(goal, sizeof goal, "%s: <= %.1fx",
                              real <= ratio.goalRatio ? "met" : "MISSED", ratio.goalRatio);
            if (ratio.goalSeconds > 0)
                std::snprintf(goal, sizeof goal, "%s: < %.0f us",
                              time->second.real <= ratio.goalSeconds ? "met" : "MISSED",
                              ratio.goalSeconds * 1e6);
            std::printf("%-26s %-22s %7.0f us %7.0f us %7.2fx %7.0f us %7.0f us %7.2fx  %s\n",
                        ratio.name.c_str(), ratio.baseline.c_str(), time->second.real * 1e6,
                        base->second.real * 1e6, real, time->second.cpu * 1e6,
                        base->second.cpu * 1e6, cpu, goal);
        }
    }

  private:
    std::vector<Ratio> ratios_;
    struct Times {
        double real;
        double cpu;
    };
    std::map<std::string, Times> times_;
};

}  // namespace

ScratchDir::ScratchDir() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/gft-bench-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = name.data();
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

QuietSession::QuietSession(const ScratchDir& dir) {
    session.TempFolder = dir.Path() + "/";
    session.ProgramFolder = dir.Path();
}

void QuietSession::TrimLog() {
    if (++calls_ % 1024 == 0) session.ClearLog();
}

void BareWrite(const std::string& path, const Bytes& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) throw std::runtime_error("open failed");
    WriteAll(fd, bytes);
    ::close(fd);
}

void BareOverwrite(const std::string& path, const Bytes& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) throw std::runtime_error("open failed");
    WriteAll(fd, bytes);
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0)
        throw std::runtime_error("ftruncate failed");
    ::close(fd);
}

void BareWriteSynced(const std::string& path, const Bytes& bytes) {
    const std::string temp = path + ".new";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) throw std::runtime_error("open failed");
    WriteAll(fd, bytes);
    ::fsync(fd);
    ::close(fd);
    ::rename(temp.c_str(), path.c_str());
}

std::size_t BareRead(const std::string& path, Bytes& buffer) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw std::runtime_error("open failed");
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t n = ::read(fd, buffer.data() + done, buffer.size() - done);
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return done;
}

int RunWithRatios(int argc, char** argv, const std::vector<Ratio>& ratios) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter(ratios);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace gft::bench
