#include "numtext/errors.h"

std::string ErrorBoxText(const std::string& message) {
  // Compared as a byte: any character of a non-ASCII script sorts after "." as well.
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}
