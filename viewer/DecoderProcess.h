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
    int answerMilliseconds = 3000;           // for each answer, from question to last byte
    std::uint32_t largestAnswer = 64u * 1024u * 1024u;
};

// One helper process that answers questions over a socket: started with
// limits on CPU time, memory, files it may write (none) and core dumps, and
// stopped at the first sign of trouble. Nothing it says is trusted: an
// answer of an unknown kind, too long, too late or cut short stops it.
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
    Answer Ask(char kind, std::string_view question);

    bool Running() const { return child_ > 0; }
    // Whether the process was stopped for taking too long.
    bool TimedOut() const { return timedOut_; }

private:
    bool Send(const void* data, std::size_t size, long long deadline);
    bool Receive(void* data, std::size_t size, long long deadline);
    // Waits until the socket is ready for the events; past the deadline it
    // notes the time-out and gives up.
    bool Ready(short events, long long deadline);
    void Stop();

    DecoderLimits limits_;
    pid_t child_ = -1;
    int socket_ = -1;
    bool timedOut_ = false;
};

} // namespace zentolk::viewer
