#ifdef _WIN32
#include "quickbooks/automation.h"

#include <oleauto.h>
#include <objbase.h>

#include <cstdio>
#include <string>
#include <utility>

#include "text/windows1252.h"

namespace ppexport {

namespace {
// Visual Basic's number and text for a call whose value must be an object and is not.
constexpr long objectRequired = 424;
constexpr std::string_view objectRequiredText = "Object required";

std::string fromBstr(BSTR text) {
  if (text == nullptr) return {};
  return utf8ToWindows1252(narrow(std::wstring_view(text, SysStringLen(text))));
}
}  // namespace

AutomationError automationError(HRESULT result) {
  AutomationError error;
  error.number = static_cast<long>(result);
  error.description = systemErrorDescription(static_cast<DWORD>(result));
  if (error.description.empty()) {
    // The code as Windows documents it, for a search, where the system has no text for it.
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
    error.description = std::string("The system has no description of error ") + code;
  }
  return error;
}

ComApartment::ComApartment() {
  // S_FALSE: this thread had COM already; it still needs its own CoUninitialize. A thread in the
  // other apartment model (RPC_E_CHANGED_MODE) can make the calls all the same.
  const HRESULT result = CoInitialize(nullptr);
  initialised_ = SUCCEEDED(result);
}

ComApartment::~ComApartment() {
  if (initialised_) CoUninitialize();
}

Variant::Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }

Variant Variant::text(std::string_view utf8) {
  Variant variant;
  const std::wstring wide = widen(utf8);
  V_VT(&variant.value_) = VT_BSTR;
  V_BSTR(&variant.value_) = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return variant;
}

Variant Variant::date(const Date& day) {
  Variant variant;
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(day.year);
  time.wMonth = static_cast<WORD>(day.month);
  time.wDay = static_cast<WORD>(day.day);
  double value = 0;
  SystemTimeToVariantTime(&time, &value);
  V_VT(&variant.value_) = VT_DATE;
  V_DATE(&variant.value_) = value;
  return variant;
}

Variant Variant::boolean(bool value) {
  Variant variant;
  V_VT(&variant.value_) = VT_BOOL;
  V_BOOL(&variant.value_) = value ? VARIANT_TRUE : VARIANT_FALSE;
  return variant;
}

DispatchObject::DispatchObject(IDispatch* object) : object_(object) {
  if (object_ != nullptr) object_->AddRef();
}

DispatchObject::~DispatchObject() { release(); }

DispatchObject::DispatchObject(DispatchObject&& other) noexcept
    : object_(std::exchange(other.object_, nullptr)) {}

DispatchObject& DispatchObject::operator=(DispatchObject&& other) noexcept {
  if (this != &other) {
    release();
    object_ = std::exchange(other.object_, nullptr);
  }
  return *this;
}

void DispatchObject::release() {
  if (object_ != nullptr) std::exchange(object_, nullptr)->Release();
}

bool DispatchObject::invoke(std::wstring_view name, WORD flags, DISPPARAMS& parameters,
                            VARIANT* result, AutomationError& error) const {
  if (object_ == nullptr) {
    error = {objectRequired, std::string(objectRequiredText)};
    return false;
  }
  std::wstring member(name);
  LPOLESTR names[] = {member.data()};
  DISPID id = 0;
  HRESULT outcome = object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(outcome)) {
    error = automationError(outcome);
    return false;
  }
  EXCEPINFO exception{};
  UINT argumentInError = 0;
  outcome = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters, result,
                            &exception, &argumentInError);
  if (outcome == DISP_E_EXCEPTION) {
    if (exception.pfnDeferredFillIn != nullptr) exception.pfnDeferredFillIn(&exception);
    error.number = exception.scode != 0 ? static_cast<long>(exception.scode) : exception.wCode;
    error.description = fromBstr(exception.bstrDescription);
    if (error.description.empty()) error.description = automationError(exception.scode).description;
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return false;
  }
  if (FAILED(outcome)) {
    error = automationError(outcome);
    return false;
  }
  return true;
}

bool DispatchObject::call(std::wstring_view name, std::vector<Variant>& arguments, Variant& result,
                          AutomationError& error) const {
  // IDispatch takes the arguments last first. Each one is a reference to the caller's value, so
  // an object that declares its parameters by reference gets what it expects, and one that
  // declares them by value reads through the reference.
  std::vector<VARIANTARG> references(arguments.size());
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    VARIANT& value = arguments[arguments.size() - 1 - i].get();
    VARIANTARG& reference = references[i];
    VariantInit(&reference);
    V_VT(&reference) = static_cast<VARTYPE>(VT_BYREF | V_VT(&value));
    V_BYREF(&reference) = &value.bstrVal;  // the union's storage, whatever its type
  }
  DISPPARAMS parameters{references.data(), nullptr, static_cast<UINT>(references.size()), 0};
  VariantClear(&result.get());
  return invoke(name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, parameters, &result.get(), error);
}

bool DispatchObject::callForObject(std::wstring_view name, std::vector<Variant>& arguments,
                                   DispatchObject& result, AutomationError& error) const {
  Variant value;
  if (!call(name, arguments, value, error)) return false;
  IDispatch* object = nullptr;
  if (V_VT(&value.get()) == VT_DISPATCH) {
    object = V_DISPATCH(&value.get());
    if (object != nullptr) object->AddRef();
  } else if (V_VT(&value.get()) == VT_UNKNOWN && V_UNKNOWN(&value.get()) != nullptr) {
    V_UNKNOWN(&value.get())
        ->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object));
  }
  if (object == nullptr) {
    error = {objectRequired, std::string(objectRequiredText)};
    return false;
  }
  result = DispatchObject(object);
  object->Release();  // the DispatchObject holds its own reference
  return true;
}

bool DispatchObject::put(std::wstring_view name, Variant value, AutomationError& error) const {
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS parameters{&value.get(), &named, 1, 1};
  return invoke(name, DISPATCH_PROPERTYPUT, parameters, nullptr, error);
}

bool createObject(std::wstring_view programmaticId, DispatchObject& object,
                  AutomationError& error) {
  const std::wstring id(programmaticId);
  CLSID classId{};
  HRESULT outcome = CLSIDFromProgID(id.c_str(), &classId);
  if (FAILED(outcome)) {
    error = automationError(outcome);
    return false;
  }
  IDispatch* created = nullptr;
  outcome = CoCreateInstance(classId, nullptr, CLSCTX_SERVER, IID_IDispatch,
                             reinterpret_cast<void**>(&created));
  if (FAILED(outcome) || created == nullptr) {
    error = automationError(FAILED(outcome) ? outcome : E_NOINTERFACE);
    return false;
  }
  object = DispatchObject(created);
  created->Release();
  return true;
}

}  // namespace ppexport
#endif
