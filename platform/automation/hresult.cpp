#include "platform/automation/hresult.h"

const char* HResultText(HRESULT hr)
{
    switch (hr) {
    case S_OK: return "success";
    case S_FALSE: return "success (false)";
    case E_NOTIMPL: return "not implemented";
    case E_NOINTERFACE: return "no such interface";
    case E_POINTER: return "invalid pointer";
    case E_FAIL: return "unspecified failure";
    case E_UNEXPECTED: return "unexpected failure";
    case E_OUTOFMEMORY: return "out of memory";
    case E_INVALIDARG: return "invalid argument";
    case E_ACCESSDENIED: return "access denied";
    case DISP_E_UNKNOWNINTERFACE: return "unknown interface";
    case DISP_E_MEMBERNOTFOUND: return "member not found";
    case DISP_E_PARAMNOTFOUND: return "parameter not found";
    case DISP_E_TYPEMISMATCH: return "type mismatch";
    case DISP_E_UNKNOWNNAME: return "unknown name";
    case DISP_E_NONAMEDARGS: return "no named arguments";
    case DISP_E_BADVARTYPE: return "bad variable type";
    case DISP_E_EXCEPTION: return "exception occurred";
    case DISP_E_OVERFLOW: return "out of present range";
    case DISP_E_BADPARAMCOUNT: return "invalid number of parameters";
    case CLASS_E_NOAGGREGATION: return "class does not support aggregation";
    case CLASS_E_CLASSNOTAVAILABLE: return "class not available";
    case REGDB_E_READREGDB: return "could not read the registry";
    case REGDB_E_WRITEREGDB: return "could not write the registry";
    case REGDB_E_CLASSNOTREG: return "class not registered";
    case SELFREG_E_CLASS: return "could not register the class";
    case CO_E_CLASSSTRING: return "invalid class string";
    case CO_E_DLLNOTFOUND: return "server library not found";
    case CO_E_ERRORINDLL: return "error in server library";
    default: return "error";
    }
}
