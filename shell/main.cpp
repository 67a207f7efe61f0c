// Korvel: an interactive console calculator for braid groups.
#include <iostream>

#include "shell/menu.h"

int main() {
  std::ios::sync_with_stdio(false);
  return shell::RUNKORVEL();
}
