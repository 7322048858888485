#include "viewer/decoder/Sandbox.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <seccomp.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zentolk::viewer::decoder {

namespace {

bool Allow(scmp_filter_ctx filter, int call) {
    return seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 0) == 0;
}

bool AllowOn(scmp_filter_ctx filter, int call, unsigned argument, scmp_datum_t value) {
    return seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 1,
                            SCMP_CMP(argument, SCMP_CMP_EQ, value)) == 0;
}

// Memory may be mapped and protected, never made executable.
bool AllowWithoutExec(scmp_filter_ctx filter, int call) {
    return seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 1,
                            SCMP_CMP(2, SCMP_CMP_MASKED_EQ, scmp_datum_t(PROT_EXEC), 0)) == 0;
}

bool AddRules(scmp_filter_ctx filter, int fd) {
    const auto self = scmp_datum_t(getpid());
    bool ok = AllowOn(filter, SCMP_SYS(read), 0, STDIN_FILENO) &&
              AllowOn(filter, SCMP_SYS(write), 0, STDOUT_FILENO);
    if (fd >= 0)
        ok = ok && AllowOn(filter, SCMP_SYS(pread64), 0, scmp_datum_t(fd));
    // Memory, ending, and what glibc's own failure paths need: abort()
    // raises a signal at this very process.
    for (const int call :
         {SCMP_SYS(brk), SCMP_SYS(munmap), SCMP_SYS(mremap), SCMP_SYS(madvise), SCMP_SYS(close),
          SCMP_SYS(exit), SCMP_SYS(exit_group), SCMP_SYS(rt_sigreturn), SCMP_SYS(rt_sigprocmask),
          SCMP_SYS(rt_sigaction), SCMP_SYS(getpid), SCMP_SYS(gettid), SCMP_SYS(futex),
          SCMP_SYS(restart_syscall), SCMP_SYS(clock_gettime), SCMP_SYS(sched_yield)})
        ok = ok && Allow(filter, call);
    return ok && AllowWithoutExec(filter, SCMP_SYS(mmap)) &&
           AllowWithoutExec(filter, SCMP_SYS(mprotect)) &&
           AllowOn(filter, SCMP_SYS(kill), 0, self) && AllowOn(filter, SCMP_SYS(tgkill), 0, self);
}

} // namespace

int OpenConfined(const char* path, bool& confined) {
    // The viewer hands the file over as descriptor 3 (it may run this
    // process as a user who cannot open it); otherwise it is opened by name.
    // Not blocking: a pipe put at the file's name must not hold the process.
    constexpr int HandedFile = 3;
    int fd = fcntl(HandedFile, F_SETFD, FD_CLOEXEC) == 0
                 ? HandedFile
                 : openat(AT_FDCWD, path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    struct stat info {};
    if (fd >= 0 && (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        close(fd);
        fd = -1;
    }
    confined = false;
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
        return fd;
    // Anything not allowed below fails with EPERM rather than ending the
    // process, so that a library's harmless probe does not look like a crash.
    scmp_filter_ctx filter = seccomp_init(SCMP_ACT_ERRNO(EPERM));
    if (filter == nullptr)
        return fd;
    confined = AddRules(filter, fd) && seccomp_load(filter) == 0;
    seccomp_release(filter);
    return fd;
}

} // namespace zentolk::viewer::decoder

#if defined(__SANITIZE_ADDRESS__)
// The leak check at exit stops the process with a traced helper thread,
// which the filter forbids; in a sanitizer build it is left off here.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}
#endif
