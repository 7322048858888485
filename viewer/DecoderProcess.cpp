#include "viewer/DecoderProcess.h"

#include "viewer/decoder/Protocol.h"
#include "viewer/decoder/Transfer.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zentolk::viewer {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif
#else
constexpr bool Sanitized = false;
#endif

long long NowMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Waits until the socket is ready or the deadline has passed.
bool WaitFor(int fd, short events, long long deadline) {
    for (;;) {
        const long long left = deadline - NowMilliseconds();
        if (left <= 0)
            return false;
        pollfd entry{fd, events, 0};
        const int ready = poll(&entry, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR)
            continue;
        return ready > 0;
    }
}

bool Limit(pid_t child, __rlimit_resource resource, rlim_t value) {
    const rlimit limit{value, value};
    return prlimit(child, resource, &limit, nullptr) == 0;
}

} // namespace

DecoderProcess::DecoderProcess(const std::string& program,
                               const std::vector<std::string>& arguments,
                               const DecoderLimits& limits)
    : limits_(limits) {
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return;
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    // The child's end becomes its standard input and output; it inherits no
    // other descriptor, no blocked signals and none that the program ignores.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    sigaddset(&signals, SIGPIPE);
    sigaddset(&signals, SIGXCPU);
    sigaddset(&signals, SIGXFSZ);
    posix_spawnattr_setsigdefault(&attributes, &signals);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t child = -1;
    const int error =
        posix_spawn(&child, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    if (error != 0) {
        close(ends[0]);
        return;
    }
    child_ = child;
    socket_ = ends[0];
    // The decoder touches nothing before its first question, so limits set
    // now hold for all its work. The sanitizers' shadow memory needs far
    // more address space than any limit that would mean something.
    bool limited = Limit(child_, RLIMIT_CPU, limits_.cpuSeconds) &&
                   Limit(child_, RLIMIT_FSIZE, 0) && Limit(child_, RLIMIT_CORE, 0);
    if (limited && limits_.addressSpace != 0 && !Sanitized)
        limited = Limit(child_, RLIMIT_AS, limits_.addressSpace);
    if (!limited)
        Stop();
}

DecoderProcess::~DecoderProcess() {
    Stop();
}

void DecoderProcess::Stop() {
    if (socket_ >= 0)
        close(socket_);
    socket_ = -1;
    if (child_ > 0) {
        kill(child_, SIGKILL);
        while (waitpid(child_, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    child_ = -1;
}

bool DecoderProcess::Ready(short events, long long deadline) {
    if (WaitFor(socket_, events, deadline))
        return true;
    timedOut_ = NowMilliseconds() >= deadline;
    return false;
}

bool DecoderProcess::Send(const void* data, std::size_t size, long long deadline) {
    // A decoder that has died must not take the program with it.
    return decoder::TransferAll(
        static_cast<const char*>(data), size,
        [this](const char* bytes, std::size_t left) {
            return send(socket_, bytes, left, MSG_NOSIGNAL | MSG_DONTWAIT);
        },
        [this, deadline] { return Ready(POLLOUT, deadline); });
}

bool DecoderProcess::Receive(void* data, std::size_t size, long long deadline) {
    return decoder::TransferAll(
        static_cast<char*>(data), size,
        [this](char* bytes, std::size_t left) { return recv(socket_, bytes, left, MSG_DONTWAIT); },
        [this, deadline] { return Ready(POLLIN, deadline); });
}

DecoderProcess::Answer DecoderProcess::Ask(char kind, std::string_view question) {
    using namespace decoder;
    Answer answer;
    if (!Running() || question.size() > LongestQuestion)
        return answer;
    const long long deadline = NowMilliseconds() + limits_.answerMilliseconds;
    unsigned char header[HeaderSize];
    PutHeader(header, kind, static_cast<std::uint32_t>(question.size()));
    if (!Send(header, sizeof header, deadline) ||
        !Send(question.data(), question.size(), deadline) ||
        !Receive(header, sizeof header, deadline)) {
        Stop();
        return answer;
    }
    const std::uint32_t length = HeaderLength(header);
    const char said = static_cast<char>(header[0]);
    const bool known =
        said == YesAnswer || ((said == NoAnswer || said == BrokenAnswer) && length == 0);
    if (!known || length > limits_.largestAnswer) {
        Stop();
        return answer;
    }
    answer.data.resize(length);
    if (!Receive(answer.data.data(), length, deadline)) {
        Stop();
        answer.data.clear();
        return answer;
    }
    answer.outcome = said == YesAnswer  ? Outcome::Yes
                     : said == NoAnswer ? Outcome::No
                                        : Outcome::Broken;
    return answer;
}

} // namespace zentolk::viewer
