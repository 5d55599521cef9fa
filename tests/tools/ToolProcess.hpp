#pragma once
// Runs a command-line program as a user runs it (its own process, standard input, output and
// error, its exit code) and, optionally, sends it a signal once a line starting with a given
// text has appeared on its standard output.

#include <csignal>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ToolProcess {

struct Result {
    std::string out;
    std::string err;
    // The exit code; 128 + the signal when a signal ended it.
    int code = -1;
};

struct Signal {
    // Sent once a line of standard output starts with `after` (never when empty).
    std::string after;
    int number = SIGINT;
};

inline Result Run(const std::vector<std::string>& command, const std::string& input = {},
                  const Signal& signal = {}) {
    int in[2], out[2], err[2];
    Result result;
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) return result;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        dup2(err[1], 2);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]})
            close(fd);
        std::vector<char*> argv;
        for (const std::string& argument : command)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    if (!input.empty()) (void)!write(in[1], input.data(), input.size());
    close(in[1]);
    bool signalled = signal.after.empty();
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* into[2] = {&result.out, &result.err};
    int open = 2;
    while (open > 0) {
        if (poll(fds, 2, -1) < 0) break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buffer[4096];
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n <= 0) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
                continue;
            }
            into[i]->append(buffer, static_cast<std::size_t>(n));
        }
        if (!signalled && (result.out.rfind(signal.after, 0) == 0 ||
                           result.out.find("\n" + signal.after) != std::string::npos)) {
            kill(pid, signal.number);
            signalled = true;
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

} // namespace ToolProcess
