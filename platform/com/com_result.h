#pragma once

#include <cstdint>

namespace tarnwick::com {

// Status of the plumbing calls (interface queries, class factories, connections and the
// exported library functions). Negative values are failures. It is `long` because the library
// entry points return it through a C interface that callers declare as `long ()`.
using HRESULT = long;

// A status from its classic 32-bit spelling (0x8000xxxx is negative).
constexpr HRESULT makeHresult(std::uint32_t code) {
    return static_cast<HRESULT>(static_cast<std::int32_t>(code));
}

constexpr bool succeeded(HRESULT status) {
    return status >= 0;
}
constexpr bool failed(HRESULT status) {
    return status < 0;
}

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = makeHresult(0x80004001u);
constexpr HRESULT E_NOINTERFACE = makeHresult(0x80004002u);
constexpr HRESULT E_POINTER = makeHresult(0x80004003u);
constexpr HRESULT E_FAIL = makeHresult(0x80004005u);
constexpr HRESULT E_UNEXPECTED = makeHresult(0x8000FFFFu);
constexpr HRESULT E_OUTOFMEMORY = makeHresult(0x8007000Eu);
constexpr HRESULT E_INVALIDARG = makeHresult(0x80070057u);
constexpr HRESULT DISP_E_MEMBERNOTFOUND = makeHresult(0x80020003u);
constexpr HRESULT DISP_E_UNKNOWNNAME = makeHresult(0x80020006u);
constexpr HRESULT STG_E_INVALIDFUNCTION = makeHresult(0x80030001u);
constexpr HRESULT STG_E_WRITEFAULT = makeHresult(0x8003001Du);
constexpr HRESULT STG_E_READFAULT = makeHresult(0x8003001Eu);
constexpr HRESULT CLASS_E_NOAGGREGATION = makeHresult(0x80040110u);
constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = makeHresult(0x80040111u);
constexpr HRESULT REGDB_E_CLASSNOTREG = makeHresult(0x80040154u);
constexpr HRESULT CONNECT_E_NOCONNECTION = makeHresult(0x80040200u);
constexpr HRESULT CONNECT_E_CANNOTCONNECT = makeHresult(0x80040202u);
constexpr HRESULT SELFREG_E_CLASS = makeHresult(0x80040201u);

} // namespace tarnwick::com
