// Korvel: an interactive console calculator for braid groups.
#include <iostream>

#include "shell/menu.h"
#include "shell/pictures.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (int STATUS = 0; shell::PICTUREOPTION(argc, argv, std::cout, std::cerr, STATUS)) {
    return STATUS;
  }
  return shell::RUNKORVEL();
}
