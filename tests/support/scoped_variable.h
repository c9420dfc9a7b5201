#pragma once
// Sets (or, given nothing, unsets) an environment variable for the life of the object, and puts
// back what was there before.

#include <optional>
#include <string>

namespace ppexport::testing {

class ScopedVariable {
 public:
  ScopedVariable(const char* name, std::optional<std::string> value);
  ~ScopedVariable();
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace ppexport::testing
