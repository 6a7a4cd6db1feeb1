// Projection type names and masks, and generic parameter access.
#include "proj/params.h"

#include <cstring>

#include "proj/projtypes.h"

namespace QVProj {

const char* ProjTypeName(int type) {
    if (IsProjType(type)) return kProjTypes[type].name;
    if (type == PT_UNDEFINED) return kUndefinedTypeName;
    return "";
}

const ParamRow* FindParam(int param) {
    for (const ParamRow* row = kParams; row->number != PP_END; ++row)
        if (row->number == param) return row;
    return nullptr;
}

unsigned int ProjGetProjectionInfo(ProjType type, char* pName) {
    if (pName) std::strcpy(pName, ProjTypeName(type));
    return IsProjType(type) ? kProjTypes[type].mask : 0u;
}

int ProjNumProjections() {
    return kNumProjTypes;
}

int ProjNumParams(ProjType type) {
    if (!IsProjType(type)) return -1;
    int n = 0;
    while (kProjTypes[type].params[n] != PP_END) ++n;
    return n;
}

int ProjEnumParam(ProjType type, int index) {
    int n = ProjNumParams(type);
    if (index < 0 || index >= n) return 0;
    return kProjTypes[type].params[index];
}

bool ProjUsesParam(ProjType type, int param) {
    if (!IsProjType(type) || param == PP_END) return false;
    for (const int* p = kProjTypes[type].params; *p != PP_END; ++p)
        if (*p == param) return true;
    return false;
}

bool ProjParamInfo(int param, char* pName, ProjDataType* pType, int* pOffset, int* pSize) {
    const ParamRow* row = FindParam(param);
    if (row == nullptr) return false;
    if (pName) std::strcpy(pName, row->name);
    if (pType) *pType = row->type;
    if (pOffset) *pOffset = row->offset;
    if (pSize) *pSize = row->size;
    return true;
}

bool ProjGetParam(const PROJDATA* pData, int param, void* pValue) {
    const ParamRow* row = FindParam(param);
    if (row == nullptr || pData == nullptr || pValue == nullptr) return false;
    std::memcpy(pValue, reinterpret_cast<const unsigned char*>(pData) + row->offset,
                static_cast<std::size_t>(row->size));
    return true;
}

bool ProjSetParam(PROJDATA* pData, int param, const void* pValue) {
    const ParamRow* row = FindParam(param);
    if (row == nullptr || pData == nullptr || pValue == nullptr) return false;
    std::memcpy(reinterpret_cast<unsigned char*>(pData) + row->offset, pValue,
                static_cast<std::size_t>(row->size));
    return true;
}

} // namespace QVProj
