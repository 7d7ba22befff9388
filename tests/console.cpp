#include "console.h"

#include <fcntl.h>
#include <iconv.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void die(const char *what)
{
    std::fprintf(stderr, "console: %s: %s\n", what, std::strerror(errno));
    std::abort();
}

void make_pipe(int fds[2])
{
    if (pipe2(fds, O_CLOEXEC) != 0)
        die("pipe");
}

// In the child: sets a resource limit, soft and hard alike; 0 leaves it as it is.
void limit(int resource, rlim_t value)
{
    struct rlimit both = {value, value};
    if (value != 0 && setrlimit(resource, &both) != 0)
        _exit(126);
}

// In the child: wire up the standard streams and start the program.
[[noreturn]] void start(const std::string &program, const Launch &launch, int in, int out, int err)
{
    if (!launch.stdout_file.empty()) {
        out = open(launch.stdout_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0)
            _exit(126);
    }
    if (dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0)
        _exit(126);
    // The test ignores SIGPIPE, and an ignored signal stays ignored across exec.
    signal(SIGPIPE, SIG_DFL);
    limit(RLIMIT_AS, launch.address_space);
    limit(RLIMIT_CPU, launch.cpu_seconds);
    limit(RLIMIT_FSIZE, launch.file_size);
    if (launch.file_size != 0)
        signal(SIGXFSZ, SIG_IGN);
    execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
    _exit(127);
}

// Appends what is ready on fd to text; false once the pipe is at its end.
bool drain(int fd, std::string &text)
{
    char chunk[65536];
    ssize_t got = read(fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR)
        return true;
    if (got < 0)
        die("read");
    text.append(chunk, static_cast<size_t>(got));
    return got > 0;
}

// Cuts text after its n-th newline; true when text holds n lines.
bool cut_lines(std::string &text, int n)
{
    size_t at = 0;
    for (int line = 0; line < n; line++) {
        at = text.find('\n', at);
        if (at == std::string::npos)
            return false;
        at++;
    }
    text.resize(at);
    return true;
}

} // namespace

Outcome run(const std::string &program, const std::string &input, const Launch &launch)
{
    signal(SIGPIPE, SIG_IGN); // a child that stops reading must not end the test
    int in[2], out[2], err[2];
    make_pipe(in);
    make_pipe(out);
    make_pipe(err);
    pid_t pid = fork();
    if (pid < 0)
        die("fork");
    if (pid == 0)
        start(program, launch, in[0], out[1], err[1]);
    close(in[0]);
    close(out[1]);
    close(err[1]);
    if (!launch.stdout_file.empty()) {
        close(out[0]);
        out[0] = -1;
    }
    fcntl(in[1], F_SETFL, O_NONBLOCK);

    Outcome outcome;
    size_t written = 0;
    int to_child = in[1];
    if (input.empty()) {
        close(to_child);
        to_child = -1;
    }
    int from_out = out[0], from_err = err[0];
    while (to_child >= 0 || from_out >= 0 || from_err >= 0) {
        struct pollfd fds[3] = {
            {to_child, POLLOUT, 0}, {from_out, POLLIN, 0}, {from_err, POLLIN, 0}};
        if (poll(fds, 3, -1) < 0) {
            if (errno == EINTR)
                continue;
            die("poll");
        }
        if (fds[0].revents != 0) {
            ssize_t put = write(to_child, input.data() + written, input.size() - written);
            if (put > 0)
                written += static_cast<size_t>(put);
            if ((put < 0 && errno != EAGAIN && errno != EINTR) || written == input.size()) {
                close(to_child); // done, or the child has closed its input
                to_child = -1;
            }
        }
        if (fds[1].revents != 0) {
            bool open_still = drain(from_out, outcome.out);
            if (launch.lines > 0 && cut_lines(outcome.out, launch.lines))
                open_still = false;
            if (!open_still) {
                close(from_out);
                from_out = -1;
            }
        }
        if (fds[2].revents != 0 && !drain(from_err, outcome.err)) {
            close(from_err);
            from_err = -1;
        }
    }

    int status;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            die("waitpid");
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return outcome;
}

std::string gbk(const std::string &utf8)
{
    iconv_t convert = iconv_open("GBK", "UTF-8");
    if (convert == reinterpret_cast<iconv_t>(-1))
        die("iconv_open GBK");
    std::string bytes(utf8.size() * 2, '\0');
    char *from = const_cast<char *>(utf8.data());
    size_t from_left = utf8.size();
    char *to = bytes.data();
    size_t to_left = bytes.size();
    if (iconv(convert, &from, &from_left, &to, &to_left) == static_cast<size_t>(-1))
        die("iconv to GBK");
    iconv_close(convert);
    bytes.resize(bytes.size() - to_left);
    return bytes;
}

std::string escaped(const std::string &bytes)
{
    std::string text;
    for (unsigned char c : bytes) {
        if (c == '\n')
            text += "\\n";
        else if (c == '\t')
            text += "\\t";
        else if (c == '\\')
            text += "\\\\";
        else if (c >= 0x20 && c < 0x7f)
            text += static_cast<char>(c);
        else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            text += hex;
        }
    }
    return text;
}

void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.name;
}

std::string case_name(const testing::TestParamInfo<Case> &info)
{
    return info.param.name;
}

void expect_bytes(const char *what, const std::string &actual, const std::string &expected)
{
    if (actual != expected)
        ADD_FAILURE() << what << " differs\n  expected: \"" << escaped(expected)
                      << "\"\n    actual: \"" << escaped(actual) << "\"";
}

void expect_case(const std::string &program, const Case &c, const Launch &launch)
{
    Outcome got = run(program, c.in, launch);
    expect_bytes("standard output", got.out, c.out);
    expect_bytes("standard error", got.err, c.err);
    EXPECT_EQ(got.status, c.status);
}
