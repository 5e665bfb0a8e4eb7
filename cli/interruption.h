#pragma once

namespace cli {

// Ctrl-C while it lives: noted rather than ending the process, so that a command stops where
// its work is whole. The handler before it comes back when it ends.
class Interruption {
  public:
    Interruption();
    ~Interruption();
    Interruption(const Interruption&) = delete;
    Interruption& operator=(const Interruption&) = delete;

    static bool requested();

  private:
    void (*previous_)(int);
};

}  // namespace cli
