#include "support/scoped_variable.h"

#include <cstdlib>

namespace ppexport::testing {

namespace {
void put(const std::string& name, const std::optional<std::string>& value) {
#ifdef _WIN32
  _putenv_s(name.c_str(), value ? value->c_str() : "");
#else
  if (value) {
    setenv(name.c_str(), value->c_str(), 1);
  } else {
    unsetenv(name.c_str());
  }
#endif
}
}  // namespace

ScopedVariable::ScopedVariable(const char* name, std::optional<std::string> value) : name_(name) {
  if (const char* old = std::getenv(name)) old_ = old;
  put(name_, value);
}

ScopedVariable::~ScopedVariable() { put(name_, old_); }

}  // namespace ppexport::testing
