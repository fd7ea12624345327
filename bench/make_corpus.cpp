// make-corpus NAME FILE: writes the named measurement corpus to FILE.

#include <cstdio>
#include <exception>
#include <fstream>

#include "corpus.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make-corpus mixed_1m|mixed_10m|mixed_100m FILE\n");
    return 2;
  }
  try {
    const std::string text = MakeCorpus(CorpusShape(argv[1]));
    std::ofstream out(argv[2], std::ios::binary);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out.flush()) throw std::runtime_error(std::string("cannot write ") + argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make-corpus: %s\n", e.what());
    return 1;
  }
  return 0;
}
