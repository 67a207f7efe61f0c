// Runs a program with its standard input and output on pipes, as a shell
// pipeline would: the whole input is written (as far as the program reads
// it) while the output is read, so that neither side can block the other.
#pragma once

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <fcntl.h>

#include <cerrno>
#include <csignal>
#include <string>

extern char** environ;

namespace korveltest {

struct PipeRun {
  bool STARTED = false;
  int STATUS = -1;  // the wait status
  std::string OUTPUT;
};

inline PipeRun RunThroughPipes(const std::string& PROGRAM, const std::string& INPUT) {
  PipeRun RUN;
  // Descriptors 0 to 2 must be taken before the pipes are made, or a pipe
  // end could be given one of them and be closed by the redirections.
  for (int FD = open("/dev/null", O_RDWR); FD >= 0; FD = open("/dev/null", O_RDWR)) {
    if (FD > 2) {
      close(FD);
      break;
    }
  }
  // A program that ends without reading all its input closes the pipe: the
  // writer then gets EPIPE, not a signal.
  std::signal(SIGPIPE, SIG_IGN);
  int TOCHILD[2];
  int FROMCHILD[2];
  if (pipe(TOCHILD) != 0) {
    return RUN;
  }
  if (pipe(FROMCHILD) != 0) {
    close(TOCHILD[0]);
    close(TOCHILD[1]);
    return RUN;
  }
  posix_spawn_file_actions_t ACTIONS;
  posix_spawn_file_actions_init(&ACTIONS);
  posix_spawn_file_actions_adddup2(&ACTIONS, TOCHILD[0], 0);
  posix_spawn_file_actions_adddup2(&ACTIONS, FROMCHILD[1], 1);
  posix_spawn_file_actions_addclose(&ACTIONS, TOCHILD[1]);
  posix_spawn_file_actions_addclose(&ACTIONS, FROMCHILD[0]);
  posix_spawn_file_actions_addclose(&ACTIONS, TOCHILD[0]);
  posix_spawn_file_actions_addclose(&ACTIONS, FROMCHILD[1]);
  char* ARGV[] = {const_cast<char*>(PROGRAM.c_str()), nullptr};
  pid_t PID;
  int ERR = posix_spawn(&PID, PROGRAM.c_str(), &ACTIONS, nullptr, ARGV, environ);
  posix_spawn_file_actions_destroy(&ACTIONS);
  close(TOCHILD[0]);
  close(FROMCHILD[1]);
  if (ERR != 0) {
    close(TOCHILD[1]);
    close(FROMCHILD[0]);
    return RUN;
  }
  RUN.STARTED = true;
  fcntl(TOCHILD[1], F_SETFL, fcntl(TOCHILD[1], F_GETFL) | O_NONBLOCK);
  std::size_t SENT = 0;
  int WRITEFD = TOCHILD[1];
  if (INPUT.empty()) {
    close(WRITEFD);
    WRITEFD = -1;
  }
  char BUFFER[65536];
  for (;;) {
    pollfd FDS[2] = {{FROMCHILD[0], POLLIN, 0}, {WRITEFD, POLLOUT, 0}};
    int N = poll(FDS, WRITEFD >= 0 ? 2 : 1, -1);
    if (N < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (WRITEFD >= 0 && (FDS[1].revents & (POLLOUT | POLLERR | POLLHUP))) {
      ssize_t W = write(WRITEFD, INPUT.data() + SENT, INPUT.size() - SENT);
      if (W > 0) {
        SENT += static_cast<std::size_t>(W);
      }
      if ((W < 0 && errno != EAGAIN && errno != EINTR) || SENT == INPUT.size()) {
        close(WRITEFD);  // the end of the input, or a reader that has gone
        WRITEFD = -1;
      }
    }
    if (FDS[0].revents & (POLLIN | POLLHUP | POLLERR)) {
      ssize_t R = read(FROMCHILD[0], BUFFER, sizeof BUFFER);
      if (R > 0) {
        RUN.OUTPUT.append(BUFFER, static_cast<std::size_t>(R));
      } else if (R == 0 || (errno != EAGAIN && errno != EINTR)) {
        break;  // the program closed its output
      }
    }
  }
  if (WRITEFD >= 0) {
    close(WRITEFD);
  }
  close(FROMCHILD[0]);
  while (waitpid(PID, &RUN.STATUS, 0) < 0 && errno == EINTR) {
  }
  return RUN;
}

}  // namespace korveltest
