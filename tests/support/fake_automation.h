#pragma once
// Windows only: automation objects played by a test, registered under a programmatic identifier
// of the test's own, so that the real late-bound calls (CLSIDFromProgID, CoCreateInstance,
// GetIDsOfNames, Invoke) reach them as they would reach QuickBooks or Word.
#ifdef _WIN32

#include "text/wide_text.h"  // windows.h first
#include <oaidl.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace ppexport::testing {

// One automation object. The test holds one reference; every release that brings the count
// back to that reference is logged under the object's name.
class FakeAutomationObject final : public IDispatch {
 public:
  // The arguments in call order as the caller passed them, the result to fill, and the exception
  // to fill when the method returns DISP_E_EXCEPTION.
  using Method = std::function<HRESULT(const std::vector<VARIANT*>& arguments, VARIANT* result,
                                       EXCEPINFO* exception)>;

  FakeAutomationObject(std::string name, std::vector<std::string>& releaseLog)
      : name_(std::move(name)), releaseLog_(releaseLog) {}
  FakeAutomationObject(const FakeAutomationObject&) = delete;
  FakeAutomationObject& operator=(const FakeAutomationObject&) = delete;

  // Answers the member `name` (matched without regard to case, as automation names are).
  void on(const std::wstring& name, Method method);
  // The flags of every call, by member name, in order.
  const std::vector<std::pair<std::wstring, WORD>>& calls() const { return calls_; }
  ULONG references() const { return references_; }

  // Fills result with a reference to this object, as a method returning it does.
  void returnAsResult(VARIANT* result);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception, UINT*) override;

 private:
  std::string name_;
  std::vector<std::string>& releaseLog_;
  ULONG references_ = 1;
  std::vector<std::pair<std::wstring, Method>> methods_;
  std::vector<std::pair<std::wstring, WORD>> calls_;
};

// Registers `object` as what CoCreateInstance creates for the programmatic identifier, for the
// life of this registration (the identifier under HKEY_CURRENT_USER\Software\Classes, the class
// object in this process).
class FakeAutomationRegistration {
 public:
  FakeAutomationRegistration(const std::wstring& programmaticId, const CLSID& classId,
                             FakeAutomationObject& object);
  ~FakeAutomationRegistration();
  FakeAutomationRegistration(const FakeAutomationRegistration&) = delete;
  FakeAutomationRegistration& operator=(const FakeAutomationRegistration&) = delete;
  bool registered() const { return cookie_ != 0; }

 private:
  class Factory;
  std::wstring programmaticId_;
  Factory* factory_ = nullptr;
  DWORD cookie_ = 0;
};

// An exception as an automation object raises it.
HRESULT raise(EXCEPINFO* exception, HRESULT number, const wchar_t* description);

// The text of a BSTR argument, reference or not; "<not text>" for any other type.
std::wstring textArgument(const VARIANT* argument);

}  // namespace ppexport::testing

#endif
