#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

class QSocketNotifier;

namespace zentolk::viewer {

// What a decoding process may use. It runs the help file's own decoder on
// data anyone may have crafted, so it gets little and is given up on early.
struct DecoderLimits {
    unsigned cpuSeconds = 20;                // over the whole life of the process
    std::uint64_t addressSpace = 1ull << 30; // bytes; 0 leaves it unlimited
    unsigned openFiles = 8;                  // descriptors, its socket and file among them
    int processes = 0; // besides itself (not enforced for root; its filter forbids them); -1: any
    int answerMilliseconds = 3000; // for each answer, from question to last byte
    std::uint32_t largestAnswer = 64u * 1024u * 1024u;
    std::uint64_t lockedMemory = 0; // bytes it may lock in memory
};

// At most this many helper processes run at once; starting another stops
// the one asked least recently (Evicted() tells its owner so).
inline constexpr int MostRunningDecoders = 4;

// One helper process that answers questions over a socket: started with an
// empty environment, no descriptor but its socket, and limits on CPU time,
// memory, open files, files it may write (none), processes (none) and core
// dumps, all set before it runs; stopped at the first sign of trouble.
// Nothing it says is trusted: an answer of an unknown kind, too long, too
// late or cut short stops it.
class DecoderProcess {
public:
    enum class Outcome { Yes, No, Broken, Failed };
    struct Answer {
        Outcome outcome = Outcome::Failed;
        std::string data;
        // The answer was longer than the caller keeps: `data` holds its start.
        bool cut = false;
    };

    // Starts `program` with `arguments`; Running() tells whether it did.
    // `file`, when open, is handed to it as its descriptor 3, opened with
    // this process's rights, which it does not get: started by root, it runs
    // as an unprivileged user with no capabilities.
    DecoderProcess(const std::string& program, const std::vector<std::string>& arguments,
                   const DecoderLimits& limits, int file = -1);
    ~DecoderProcess();
    DecoderProcess(const DecoderProcess&) = delete;
    DecoderProcess& operator=(const DecoderProcess&) = delete;

    // Failed when the process is gone or misbehaved (and is now stopped).
    // `deadline` (a time of NowMilliseconds()) may cut the answer's own time
    // short. Of a longer answer only the first `keep` bytes are kept (the rest
    // is read and dropped); memory grows with the bytes that arrive, never
    // with the length the process claims.
    Answer Ask(char kind, std::string_view question, long long deadline = -1,
               std::uint32_t keep = UINT32_MAX);

    bool Running() const { return child_ > 0; }
    // Whether it is running and has not ended or spoken out of turn since
    // its last answer; one that has is stopped here.
    bool Alive();
    pid_t Pid() const { return child_; }
    // Whether the process was stopped for taking too long.
    bool TimedOut() const { return timedOut_; }
    // Whether it was stopped to make room for another.
    bool Evicted() const { return evicted_; }

    // The clock of the deadlines, in milliseconds; tests may set their own
    // (null: the monotonic clock).
    static long long NowMilliseconds();
    static void SetClock(long long (*clock)());

private:
    bool Send(const void* data, std::size_t size, long long deadline);
    bool Receive(void* data, std::size_t size, long long deadline);
    // The answer's `length` bytes, of which it keeps `keep`.
    bool ReceiveAnswer(Answer& answer, std::uint32_t length, std::uint32_t keep,
                       long long deadline);
    // Waits until the socket is ready for the events; past the deadline it
    // notes the time-out and gives up.
    bool Ready(short events, long long deadline);
    void Stop();
    void Spawn(const std::string& program, const std::vector<std::string>& arguments, int file);
    // A process that ends between questions is reaped as soon as the
    // program's event loop runs.
    void Watch();

    DecoderLimits limits_;
    pid_t child_ = -1;
    int socket_ = -1;
    bool timedOut_ = false;
    bool evicted_ = false;
    std::unique_ptr<QSocketNotifier> watch_;
};

} // namespace zentolk::viewer
