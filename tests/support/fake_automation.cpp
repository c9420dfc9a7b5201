#ifdef _WIN32
#include "support/fake_automation.h"

#include <objbase.h>
#include <oleauto.h>

#include <cwctype>

namespace ppexport::testing {

namespace {
bool sameName(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return true;
}

// Where a programmatic identifier is registered under each root.
std::wstring classesKey(HKEY root) {
  return root == HKEY_CURRENT_USER ? L"Software\\Classes\\" : L"";
}
}  // namespace

void FakeAutomationObject::on(const std::wstring& name, Method method) {
  methods_.emplace_back(name, std::move(method));
}

void FakeAutomationObject::returnAsResult(VARIANT* result) {
  if (result == nullptr) return;
  AddRef();
  V_VT(result) = VT_DISPATCH;
  V_DISPATCH(result) = this;
}

HRESULT FakeAutomationObject::QueryInterface(REFIID id, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch)) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG FakeAutomationObject::AddRef() { return ++references_; }

ULONG FakeAutomationObject::Release() {
  if (--references_ == 1) releaseLog_.push_back(name_);
  return references_;
}

HRESULT FakeAutomationObject::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

HRESULT FakeAutomationObject::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT FakeAutomationObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) {
  if (count != 1) return DISP_E_UNKNOWNNAME;
  for (std::size_t i = 0; i < methods_.size(); ++i) {
    if (sameName(methods_[i].first, names[0])) {
      ids[0] = static_cast<DISPID>(i + 1);
      return S_OK;
    }
  }
  ids[0] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

HRESULT FakeAutomationObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT*) {
  if (id < 1 || static_cast<std::size_t>(id) > methods_.size()) return DISP_E_MEMBERNOTFOUND;
  calls_.emplace_back(methods_[static_cast<std::size_t>(id - 1)].first, flags);
  // DISPPARAMS holds the arguments last first.
  std::vector<VARIANT*> arguments;
  for (UINT i = parameters->cArgs; i > 0; --i) arguments.push_back(&parameters->rgvarg[i - 1]);
  return methods_[static_cast<std::size_t>(id - 1)].second(arguments, result, exception);
}

class FakeAutomationRegistration::Factory final : public IClassFactory {
 public:
  explicit Factory(FakeAutomationObject& object) : object_(object) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IClassFactory)) {
      *object = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override { return --references_; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID id, void** object) override {
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    return object_.QueryInterface(id, object);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

 private:
  FakeAutomationObject& object_;
  ULONG references_ = 1;
};

FakeAutomationRegistration::FakeAutomationRegistration(const std::wstring& programmaticId,
                                                       const CLSID& classId,
                                                       FakeAutomationObject& object)
    : programmaticId_(programmaticId), factory_(new Factory(object)) {
  wchar_t classText[64] = {};
  StringFromGUID2(classId, classText, 64);
  // The user's own classes serve on Windows; Wine reads only the machine's classes, which its
  // throw-away prefix lets the test write.
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_CLASSES_ROOT}) {
    const std::wstring key = classesKey(root) + programmaticId + L"\\CLSID";
    HKEY handle = nullptr;
    if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS) {
      continue;
    }
    RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(classText),
                   static_cast<DWORD>((wcslen(classText) + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    CLSID found{};
    if (SUCCEEDED(CLSIDFromProgID(programmaticId.c_str(), &found)) && IsEqualCLSID(found, classId)) {
      break;
    }
  }
  // A class object registered for other processes with multiple use serves this process too.
  CoRegisterClassObject(classId, factory_, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &cookie_);
}

FakeAutomationRegistration::~FakeAutomationRegistration() {
  if (cookie_ != 0) CoRevokeClassObject(cookie_);
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_CLASSES_ROOT}) {
    RegDeleteTreeW(root, (classesKey(root) + programmaticId_).c_str());
  }
  delete factory_;
}

HRESULT raise(EXCEPINFO* exception, HRESULT number, const wchar_t* description) {
  if (exception == nullptr) return number;
  *exception = EXCEPINFO{};
  exception->scode = number;
  exception->bstrSource = SysAllocString(L"Fake");
  exception->bstrDescription = SysAllocString(description);
  return DISP_E_EXCEPTION;
}

std::wstring textArgument(const VARIANT* argument) {
  if (V_VT(argument) == VT_BSTR) return V_BSTR(argument) ? V_BSTR(argument) : L"";
  if (V_VT(argument) == (VT_BYREF | VT_BSTR)) {
    return *V_BSTRREF(argument) ? *V_BSTRREF(argument) : L"";
  }
  return L"<not text>";
}

}  // namespace ppexport::testing
#endif
