#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

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
    };

    // Starts `program` with `arguments`; Running() tells whether it did.
    DecoderProcess(const std::string& program, const std::vector<std::string>& arguments,
                   const DecoderLimits& limits);
    ~DecoderProcess();
    DecoderProcess(const DecoderProcess&) = delete;
    DecoderProcess& operator=(const DecoderProcess&) = delete;

    // Failed when the process is gone or misbehaved (and is now stopped).
    // `deadline` (a time of NowMilliseconds()) may cut the answer's own time short.
    Answer Ask(char kind, std::string_view question, long long deadline = -1);

    bool Running() const { return child_ > 0; }
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
    // Waits until the socket is ready for the events; past the deadline it
    // notes the time-out and gives up.
    bool Ready(short events, long long deadline);
    void Stop();
    void Spawn(const std::string& program, const std::vector<std::string>& arguments);

    DecoderLimits limits_;
    pid_t child_ = -1;
    int socket_ = -1;
    bool timedOut_ = false;
    bool evicted_ = false;
};

} // namespace zentolk::viewer
