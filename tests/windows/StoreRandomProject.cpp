// store_random_project HOME SEED: stores the project "Random" + SEED (20 classes), drawn by
// the build check's generator, into HOME through vbgen's commands.
#include <exception>
#include <iostream>
#include <string>

#include "ProjectScript.h"
#include "RandomProject.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: store_random_project HOME SEED\n";
    return 2;
  }
  try {
    const unsigned seed = static_cast<unsigned>(std::stoul(argv[2]));
    TProjectScript script("Random" + std::to_string(seed));
    AddRandomClasses(script, seed, 20);
    script.Store(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  return 0;
}
