#pragma once

#include <string>

// Thrown by a model routine that finds no admissible state. The study in
// progress is abandoned; the menu loop shows the stop report.
struct ModelStop {
  std::string message;
};
