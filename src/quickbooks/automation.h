#pragma once
// Windows only: automation objects bound late by name through IDispatch, the way a Visual Basic
// program creates an object from its programmatic identifier and calls its methods by name.
// QuickBooks' export objects and Word are driven through this.
#ifdef _WIN32

#include "text/wide_text.h"  // windows.h first
#include <oaidl.h>

#include <string>
#include <string_view>
#include <vector>

#include "text/regional.h"

namespace ppexport {

// The number and description of a failed automation step, as Visual Basic's Err object shows
// them: the HRESULT (or the number the object raised) in decimal, and the object's own
// description or else the system's text for the number. The description is Windows-1252 text.
struct AutomationError {
  long number = 0;
  std::string description;
};

// COM for the calls of one operation on this thread: initialised on construction, released on
// destruction when this object initialised it.
class ComApartment {
 public:
  ComApartment();
  ~ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialised_ = false;
};

// An automation argument or result: a VARIANT that clears itself.
class Variant {
 public:
  Variant() { VariantInit(&value_); }
  ~Variant() { VariantClear(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  Variant(Variant&& other) noexcept;

  // A text argument from the core's UTF-8 text.
  static Variant text(std::string_view utf8);
  // A date argument: the calendar day at midnight, as an automation date (VT_DATE).
  static Variant date(const Date& day);
  static Variant boolean(bool value);

  VARIANT& get() { return value_; }
  const VARIANT& get() const { return value_; }

 private:
  VARIANT value_;
};

// One reference to an automation object.
class DispatchObject {
 public:
  DispatchObject() = default;
  explicit DispatchObject(IDispatch* object);  // takes a reference of its own
  ~DispatchObject();
  DispatchObject(DispatchObject&& other) noexcept;
  DispatchObject& operator=(DispatchObject&& other) noexcept;
  DispatchObject(const DispatchObject&) = delete;
  DispatchObject& operator=(const DispatchObject&) = delete;

  bool empty() const { return object_ == nullptr; }
  IDispatch* get() const { return object_; }
  // Drops the reference now (objects are released in the order the caller chooses).
  void release();

  // Calls the method or reads the property `name` with `arguments` in call order, each passed by
  // reference as Visual Basic passes variables. `result` receives the returned value.
  bool call(std::wstring_view name, std::vector<Variant>& arguments, Variant& result,
            AutomationError& error) const;
  // The same for a call that returns an object; a value that is no object is an error
  // ("Object required").
  bool callForObject(std::wstring_view name, std::vector<Variant>& arguments,
                     DispatchObject& result, AutomationError& error) const;
  // Sets the property `name`.
  bool put(std::wstring_view name, Variant value, AutomationError& error) const;

 private:
  bool invoke(std::wstring_view name, WORD flags, DISPPARAMS& parameters, VARIANT* result,
              AutomationError& error) const;
  IDispatch* object_ = nullptr;
};

// Creates the object registered under the programmatic identifier (CLSIDFromProgID, then
// CoCreateInstance for IDispatch).
bool createObject(std::wstring_view programmaticId, DispatchObject& object,
                  AutomationError& error);

// The error of a failed call that returned `result`, with the system's description.
AutomationError automationError(HRESULT result);

}  // namespace ppexport

#endif
