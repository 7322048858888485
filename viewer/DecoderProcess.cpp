#include "viewer/DecoderProcess.h"

#include "viewer/decoder/Protocol.h"
#include "viewer/decoder/Transfer.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <linux/capability.h>
#include <poll.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

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

// Whatever is running, in the order it was last asked (the most recent last).
// The viewer works on one thread only.
std::vector<DecoderProcess*>& RunningDecoders() {
    static std::vector<DecoderProcess*> running;
    return running;
}

// Waits until the socket is ready or the deadline has passed.
bool WaitFor(int fd, short events, long long deadline) {
    for (;;) {
        const long long left = deadline - DecoderProcess::NowMilliseconds();
        if (left <= 0)
            return false;
        pollfd entry{fd, events, 0};
        const int ready = poll(&entry, 1, static_cast<int>(std::min(left, 1000000ll)));
        // A poll that ran out is asked the clock again: the deadline is the
        // clock's to call, and a long one is waited on in parts.
        if (ready == 0 || (ready < 0 && errno == EINTR))
            continue;
        return ready > 0;
    }
}

struct ChildLimit {
    int resource;
    rlimit value;
};

// Who the process runs as when the program runs as root: the user with no
// rights, looked up before fork (the lookup is not safe after it).
struct Identity {
    bool change = false;
    uid_t user = 65534;
    gid_t group = 65534;
};

Identity DecoderIdentity() {
    Identity identity;
    identity.change = getuid() == 0 || geteuid() == 0;
    if (const passwd* nobody = identity.change ? getpwnam("nobody") : nullptr;
        nobody != nullptr && nobody->pw_uid != 0) {
        identity.user = nobody->pw_uid;
        identity.group = nobody->pw_gid;
    }
    return identity;
}

// Leaves root for `identity` and clears every capability, so that what runs
// next has nothing a crafted help file could turn against the machine. Raw
// system calls: the C library's would try to reach other threads, of which
// the child has none. 0 or the error.
int GiveUpPrivileges(const Identity& identity) {
    if (identity.change) {
        for (unsigned long capability = 0; capability < 64; ++capability)
            prctl(PR_CAPBSET_DROP, capability, 0, 0, 0); // past the last one: EINVAL
        if (syscall(SYS_setgroups, 0, nullptr) != 0 ||
            syscall(SYS_setresgid, identity.group, identity.group, identity.group) != 0 ||
            syscall(SYS_setresuid, identity.user, identity.user, identity.user) != 0)
            return errno;
        if (getuid() == 0 || geteuid() == 0)
            return EPERM;
    }
    prctl(PR_CAP_AMBIENT, PR_CAP_AMBIENT_CLEAR_ALL, 0, 0, 0); // EINVAL: none to clear
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct none[_LINUX_CAPABILITY_U32S_3]{};
    return syscall(SYS_capset, &header, none) == 0 ? 0 : errno;
}

// In the child between fork and exec: only calls that are safe there, since
// the program may run other threads. Never returns.
[[noreturn]] void BecomeDecoder(int socket, int devNull, int report, int file, const char* program,
                                char* const* argv, const std::vector<ChildLimit>& limits,
                                const Identity& identity) {
    if (dup2(socket, STDIN_FILENO) < 0 || dup2(socket, STDOUT_FILENO) < 0 ||
        dup2(devNull, STDERR_FILENO) < 0)
        _exit(127);
    // The file is descriptor 3; the report pipe moves out of its way.
    constexpr int FileDescriptor = 3;
    if (file >= 0) {
        if (report == FileDescriptor)
            report = fcntl(report, F_DUPFD_CLOEXEC, FileDescriptor + 1);
        if (report < 0 ||
            (file == FileDescriptor ? fcntl(file, F_SETFD, 0) : dup2(file, FileDescriptor)) < 0)
            _exit(127);
    }
    // No signal the program blocks, ignores or handles comes along.
    struct sigaction plain {};
    plain.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal)
        sigaction(signal, &plain, nullptr);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    // Whatever runs there gains no privileges through exec, the decoder's
    // own filter aside.
    int error = prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 ? 0 : errno;
    for (const ChildLimit& limit : limits)
        if (error == 0 &&
            setrlimit(static_cast<__rlimit_resource>(limit.resource), &limit.value) != 0)
            error = errno;
    if (error == 0)
        error = GiveUpPrivileges(identity);
    if (error == 0) {
        // Nothing of the program's is inherited: only its standard
        // descriptors, the file, and the report pipe, which closes on exec.
        close_range(file >= 0 ? FileDescriptor + 1 : FileDescriptor, report - 1, 0);
        close_range(report + 1, ~0u, 0);
        char* const noEnvironment[] = {nullptr};
        execve(program, argv, noEnvironment);
        error = errno;
    }
    while (write(report, &error, sizeof error) < 0 && errno == EINTR) {
    }
    _exit(127);
}

long long (*&Clock())() {
    static long long (*clock)() = nullptr;
    return clock;
}

} // namespace

void DecoderProcess::SetClock(long long (*clock)()) {
    Clock() = clock;
}

long long DecoderProcess::NowMilliseconds() {
    if (Clock() != nullptr)
        return Clock()();
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

DecoderProcess::DecoderProcess(const std::string& program,
                               const std::vector<std::string>& arguments,
                               const DecoderLimits& limits, int file)
    : limits_(limits) {
    std::vector<DecoderProcess*>& running = RunningDecoders();
    while (running.size() >= std::size_t(MostRunningDecoders)) {
        DecoderProcess* oldest = running.front();
        oldest->Stop();
        oldest->evicted_ = true;
    }
    Spawn(program, arguments, file);
    if (Running()) {
        running.push_back(this);
        Watch();
    }
}

void DecoderProcess::Spawn(const std::string& program, const std::vector<std::string>& arguments,
                           int file) {
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const auto limit = [](int resource, rlim_t value) {
        return ChildLimit{resource, {value, value}};
    };
    std::vector<ChildLimit> childLimits{
        limit(RLIMIT_CPU, limits_.cpuSeconds), limit(RLIMIT_FSIZE, 0), limit(RLIMIT_CORE, 0),
        limit(RLIMIT_NOFILE, limits_.openFiles), limit(RLIMIT_MEMLOCK, limits_.lockedMemory)};
    // The user with no rights runs every decoder at once, and more: a limit
    // on its processes would stop the next decoder's start, not a fork.
    const Identity identity = DecoderIdentity();
    if (limits_.processes >= 0 && !identity.change)
        childLimits.push_back(limit(RLIMIT_NPROC, rlim_t(limits_.processes)));
    // The sanitizers' shadow memory needs far more address space than any
    // limit that would mean something.
    if (limits_.addressSpace != 0 && !Sanitized)
        childLimits.push_back(limit(RLIMIT_AS, limits_.addressSpace));

    int ends[2] = {-1, -1};
    int report[2] = {-1, -1};
    const int devNull = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (devNull < 0 || socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0 ||
        pipe2(report, O_CLOEXEC) != 0) {
        for (const int fd : {devNull, ends[0], ends[1], report[0], report[1]})
            if (fd >= 0)
                close(fd);
        return;
    }
    const pid_t child = fork();
    if (child == 0)
        BecomeDecoder(ends[1], devNull, report[1], file, program.c_str(), argv.data(), childLimits,
                      identity);
    close(ends[1]);
    close(devNull);
    close(report[1]);
    // The report pipe closes on exec: nothing read means the program runs.
    int error = 0;
    ssize_t got = -1;
    if (child > 0)
        while ((got = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
        }
    close(report[0]);
    child_ = child;
    socket_ = ends[0];
    if (child < 0 || got != 0)
        Stop();
}

DecoderProcess::~DecoderProcess() {
    Stop();
}

void DecoderProcess::Watch() {
    if (QCoreApplication::instance() == nullptr)
        return;
    watch_ = std::make_unique<QSocketNotifier>(socket_, QSocketNotifier::Read);
    // Between questions the process has nothing to say: an end or a word
    // out of turn stops it.
    QObject::connect(watch_.get(), &QSocketNotifier::activated, watch_.get(), [this] { Alive(); });
}

bool DecoderProcess::Alive() {
    if (!Running())
        return false;
    pollfd entry{socket_, POLLIN, 0};
    if (poll(&entry, 1, 0) > 0)
        Stop();
    return Running();
}

void DecoderProcess::Stop() {
    // Called from the watch's own signal: it goes when control is back in the event loop.
    if (watch_) {
        watch_->setEnabled(false);
        watch_.release()->deleteLater();
    }
    std::vector<DecoderProcess*>& running = RunningDecoders();
    running.erase(std::remove(running.begin(), running.end(), this), running.end());
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

bool DecoderProcess::ReceiveAnswer(Answer& answer, std::uint32_t length, std::uint32_t keep,
                                   long long deadline) {
    // A step at a time: a length claimed and never sent costs nothing.
    constexpr std::uint32_t Step = 256 * 1024;
    const std::uint32_t kept = std::min(length, keep);
    while (answer.data.size() < kept) {
        const std::size_t at = answer.data.size();
        answer.data.resize(at + std::min<std::size_t>(Step, kept - at));
        if (!Receive(answer.data.data() + at, answer.data.size() - at, deadline))
            return false;
    }
    char dropped[16 * 1024];
    for (std::uint32_t left = length - kept; left > 0;) {
        const std::uint32_t part = std::min<std::uint32_t>(left, sizeof dropped);
        if (!Receive(dropped, part, deadline))
            return false;
        left -= part;
    }
    answer.cut = length > kept;
    return true;
}

DecoderProcess::Answer DecoderProcess::Ask(char kind, std::string_view question, long long deadline,
                                           std::uint32_t keep) {
    using namespace decoder;
    Answer answer;
    if (!Running() || question.size() > LongestQuestion)
        return answer;
    std::vector<DecoderProcess*>& running = RunningDecoders();
    std::stable_partition(running.begin(), running.end(),
                          [this](const DecoderProcess* process) { return process != this; });
    const long long own = NowMilliseconds() + limits_.answerMilliseconds;
    deadline = deadline < 0 ? own : std::min(deadline, own);
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
    if (!ReceiveAnswer(answer, length, keep, deadline)) {
        Stop();
        answer.data.clear();
        answer.cut = false;
        return answer;
    }
    answer.outcome = said == YesAnswer  ? Outcome::Yes
                     : said == NoAnswer ? Outcome::No
                                        : Outcome::Broken;
    return answer;
}

} // namespace zentolk::viewer
