// Korvel: an interactive console calculator for braid groups.
#include <iostream>

#include "shell/menu.h"
#include "shell/options.h"
#include "shell/terminal.h"

int main(int ARGC, char** ARGV) {
  std::ios::sync_with_stdio(false);
  if (ARGC > 1) {
    return shell::RUNOPTIONS(ARGC, ARGV);
  }
  return shell::RUNKORVEL(shell::STARTTERMINAL());
}
