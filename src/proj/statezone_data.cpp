// State plane zone parameters of 1927 and 1983, one row per zone.
#include "proj/statezones.h"

namespace QVProj {

const StateZoneParams kStateZones1927[kNumStateZones] = {
    {PT_UTM, ET_CLARKE_1866, "-85d50'", "30d30'", nullptr, nullptr, nullptr, nullptr, 0.99996,
     152400.3048006096, 0}, // 0
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 1
    {PT_HOTINE, ET_CLARKE_1866, nullptr, "57", nullptr, nullptr, "-133d40'", "-36d52'11.6315",
     0.9999, 818585.5672270928, 575219.2451072643}, // 2
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 3
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 4
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 5
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 6
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 7
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 8
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 9
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 10
    {PT_LAMBERT, ET_CLARKE_1866, "-176", "51", "53d50'", "51d50'", nullptr, nullptr, 0,
     914401.8288036576, 0}, // 11
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 12
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 13
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 14
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 15
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 16
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 17
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 18
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 19
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 20
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 21
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 22
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 23
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 24
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 25
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 26
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 27
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 28
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 29
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 30
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 31
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 32
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 33
    {PT_POLYCONIC, ET_CLARKE_1866, "144d44'55.50254", "13d28'20.87887", nullptr, nullptr, nullptr,
     nullptr, 0, 50000.0, 50000.0}, // 34
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 35
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 36
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 37
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 38
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 39
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 40
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 41
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 42
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 43
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 44
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 45
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 46
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 47
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 48
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 49
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 50
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 51
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 52
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 53
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 54
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 55
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 56
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 57
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 58
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 59
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 60
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 61
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 62
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 63
    {PT_LAMBERT, ET_MICHIGAN_1927, "-87", "44d47", "47d5", "45d29", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 64
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 65
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 66
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 67
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 68
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 69
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 70
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 71
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 72
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 73
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 74
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 75
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 76
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 77
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 78
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 79
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 80
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 81
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 82
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 83
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 84
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 85
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 86
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 87
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 88
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 89
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 90
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 91
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 92
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 93
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 94
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 95
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 96
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 97
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 98
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 99
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 100
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 101
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 102
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 103
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 104
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 105
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 106
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 107
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 108
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 109
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 110
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 111
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 112
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 113
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 114
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 115
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 116
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 117
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 118
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 119
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 120
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 121
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 122
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 123
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 124
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 125
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 126
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 127
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 128
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 129
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 130
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 131
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 132
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 133
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 134
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 135
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 136
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 137
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 138
    {PT_HOTINE, ET_CLARKE_1866, nullptr, "350d37", "43", nullptr, "82d30", nullptr, 0.9999,
     1200000.0, -3500000.0}, // 139
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 140
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 141
};

const StateZoneParams kStateZones1983[kNumStateZones] = {
    {PT_UTM, ET_GRS_1980, "-85D50", "30D30", nullptr, nullptr, nullptr, nullptr, 0.99996, 200000.0,
     0}, // 0
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 1
    {PT_HOTINE, ET_GRS_1980, nullptr, "57", nullptr, nullptr, "-133d40'", "-36d52'11.6315", 0.9999,
     818676.7344011232, 575097.6888751927}, // 2
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 3
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 4
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 5
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 6
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 7
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 8
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 9
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 10
    {PT_LAMBERT, ET_GRS_1980, "-176", "51", "53d50'", "51d50'", nullptr, nullptr, 0, 1000000.0,
     0}, // 11
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 12
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 13
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 14
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 15
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 16
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 17
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 18
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 19
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 20
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 21
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 22
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 23
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 24
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 25
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 26
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 27
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 28
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 29
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 30
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 31
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 32
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 33
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 34
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 35
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 36
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 37
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 38
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 39
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 40
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 41
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 42
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 43
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 44
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 45
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 46
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 47
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 48
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 49
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 50
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 51
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 52
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 53
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 54
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 55
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 56
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 57
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 58
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 59
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 60
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 61
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 62
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 63
    {PT_LAMBERT, ET_GRS_1980, "-87", "44d47", "47d5", "45d29", nullptr, nullptr, 0, 8000000.0,
     0}, // 64
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 65
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 66
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 67
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 68
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 69
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 70
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 71
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 72
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 73
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 74
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 75
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 76
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 77
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 78
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 79
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 80
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 81
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 82
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 83
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 84
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 85
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 86
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 87
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 88
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 89
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 90
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 91
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 92
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 93
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 94
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 95
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 96
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 97
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 98
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 99
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 100
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 101
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 102
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 103
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 104
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 105
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 106
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 107
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 108
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 109
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 110
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 111
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 112
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 113
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 114
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 115
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 116
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 117
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 118
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 119
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 120
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 121
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 122
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 123
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 124
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 125
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 126
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 127
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 128
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 129
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 130
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 131
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 132
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 133
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 134
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 135
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 136
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 137
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 138
    {PT_HOTINE, ET_CLARKE_1866, nullptr, "350d37", "43", nullptr, "82d30", nullptr, 0.9999,
     1200000.0, -3500000.0}, // 139
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 140
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 141
};

} // namespace QVProj
