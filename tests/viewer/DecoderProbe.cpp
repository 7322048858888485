// Linked into a test build of the decoder: what code that took it over
// would try once the filter is in place. Each line of the report names a try
// and "refused" when it failed with EPERM, else what happened.
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <string>
#include <sys/mman.h>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/uio.h>
#include <unistd.h>

extern char** environ;

namespace {

std::string Outcome(long result) {
    if (result == -1 && errno == EPERM)
        return "refused";
    return result == -1 ? std::string("failed: ") + std::strerror(errno) : "allowed";
}

} // namespace

std::string ProbeForbiddenCalls() {
    std::string report;
    const auto note = [&report](const char* name, long result) {
        report += name;
        report += ' ';
        report += Outcome(result);
        report += '\n';
    };
    const pid_t parent = getppid();
    note("ptrace", ptrace(PTRACE_ATTACH, parent, nullptr, nullptr));
    note("socket", socket(AF_INET, SOCK_STREAM, 0));
    note("socket-unix", socket(AF_UNIX, SOCK_STREAM, 0));
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(9);
    local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    note("connect", connect(STDIN_FILENO, reinterpret_cast<sockaddr*>(&local), sizeof local));
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    note("fork", child);
    note("clone3", syscall(SYS_clone3, nullptr, 0));
    char* const argv[] = {const_cast<char*>("/bin/true"), nullptr};
    note("execve", execve("/bin/true", argv, environ));
    note("openat", syscall(SYS_openat, AT_FDCWD, "/etc/passwd", O_RDONLY));
    note("open-parent-memory",
         syscall(SYS_openat, AT_FDCWD, ("/proc/" + std::to_string(parent) + "/mem").c_str(),
                 O_RDWR));
    note("creat", syscall(SYS_openat, AT_FDCWD, "/tmp/22-probe-made", O_WRONLY | O_CREAT, 0600));
    note("unlink", unlink("/tmp/22-probe-gone"));
    note("kill", kill(parent, 0));
    note("kill-group", kill(0, 0));
    char byte = 0;
    iovec mine{&byte, 1};
    iovec theirs{reinterpret_cast<void*>(0x10000), 1};
    note("process_vm_readv", process_vm_readv(parent, &mine, 1, &theirs, 1, 0));
    note("write-stderr", write(STDERR_FILENO, "x", 1));
    const rlimit more{RLIM_INFINITY, RLIM_INFINITY};
    note("setrlimit", setrlimit(RLIMIT_NOFILE, &more));
    note("exec-memory", reinterpret_cast<long>(mmap(nullptr, 4096, PROT_READ | PROT_EXEC,
                                                    MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)) == -1
                            ? -1
                            : 0);
    report += environ[0] == nullptr ? "environment empty\n" : "environment not empty\n";
    return report;
}
