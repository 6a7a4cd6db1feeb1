// State plane zones: the zone catalogue (USGS code and name per
// StateZoneType 0 to 141) and the expansion of a 1927 or 1983 zone into a
// concrete projection record.
#ifndef QVPROJ_PROJ_STATEZONES_H
#define QVPROJ_PROJ_STATEZONES_H

#include "qvproj/proj.h"

namespace QVProj {

struct StateZoneRow {
    int code; // USGS zone code; 0 for the Great Lakes zones
    const char* name;
};

constexpr int kNumStateZones = 142;

// One row per StateZoneType, ended by the row of value 142 (code -1, no name).
// The comment gives each zone's projection in 1927 / 1983 ("-": no zone that year;
// "*": the ellipsoid differs from the year's usual one).
inline constexpr StateZoneRow kStateZones[kNumStateZones + 1] = {
    {101, "Alabama East"},                           // 0: TM / TM
    {102, "Alabama West"},                           // 1: TM / TM
    {5001, "Alaska 1"},                              // 2: HOM / HOM
    {5002, "Alaska 2"},                              // 3: TM / TM
    {5003, "Alaska 3"},                              // 4: TM / TM
    {5004, "Alaska 4"},                              // 5: TM / TM
    {5005, "Alaska 5"},                              // 6: TM / TM
    {5006, "Alaska 6"},                              // 7: TM / TM
    {5007, "Alaska 7"},                              // 8: TM / TM
    {5008, "Alaska 8"},                              // 9: TM / TM
    {5009, "Alaska 9"},                              // 10: TM / TM
    {5010, "Alaska 10"},                             // 11: LCC / LCC
    {201, "Arizona East"},                           // 12: TM / TM
    {202, "Arizona Central"},                        // 13: TM / TM
    {203, "Arizona West"},                           // 14: TM / TM
    {301, "Arkansas North"},                         // 15: LCC / LCC
    {302, "Arkansas South"},                         // 16: LCC / LCC
    {401, "California I"},                           // 17: LCC / LCC
    {402, "California II"},                          // 18: LCC / LCC
    {403, "California III"},                         // 19: LCC / LCC
    {404, "California IV"},                          // 20: LCC / LCC
    {405, "California V"},                           // 21: LCC / LCC
    {406, "California VI"},                          // 22: LCC / LCC
    {407, "California VII"},                         // 23: LCC / -
    {501, "Colorado North"},                         // 24: LCC / LCC
    {502, "Colorado Central"},                       // 25: LCC / LCC
    {503, "Colorado South"},                         // 26: LCC / LCC
    {600, "Connecticut"},                            // 27: LCC / LCC
    {700, "Deleware"},                               // 28: TM / TM
    {903, "Florida North"},                          // 29: LCC / LCC
    {901, "Florida East"},                           // 30: TM / TM
    {902, "Florida West"},                           // 31: TM / TM
    {1001, "Georgia East"},                          // 32: TM / TM
    {1002, "Georgia West"},                          // 33: TM / TM
    {5400, "Guam Island"},                           // 34: Poly / -
    {5101, "Hawaii 1"},                              // 35: TM / TM
    {5102, "Hawaii 2"},                              // 36: TM / TM
    {5103, "Hawaii 3"},                              // 37: TM / TM
    {5104, "Hawaii 4"},                              // 38: TM / TM
    {5105, "Hawaii 5"},                              // 39: TM / TM
    {1101, "Idaho East"},                            // 40: TM / TM
    {1102, "Idaho Central"},                         // 41: TM / TM
    {1103, "Idaho West"},                            // 42: TM / TM
    {1201, "Illinois East"},                         // 43: TM / TM
    {1202, "Illinois West"},                         // 44: TM / TM
    {1301, "Indiana East"},                          // 45: TM / TM
    {1302, "Indiana West"},                          // 46: TM / TM
    {1401, "Iowa North"},                            // 47: LCC / LCC
    {1402, "Iowa South"},                            // 48: LCC / LCC
    {1501, "Kansas North"},                          // 49: LCC / LCC
    {1502, "Kansas South"},                          // 50: LCC / LCC
    {1601, "Kentucky North"},                        // 51: LCC / LCC
    {1602, "Kentucky South"},                        // 52: LCC / LCC
    {1701, "Louisiana North"},                       // 53: LCC / LCC
    {1702, "Louisiana South"},                       // 54: LCC / LCC
    {1703, "Louisiana Offshore"},                    // 55: LCC / LCC
    {1801, "Maine East"},                            // 56: TM / TM
    {1802, "Maine West"},                            // 57: TM / TM
    {1900, "Maryland"},                              // 58: LCC / LCC
    {2001, "Massachusetts Mainland"},                // 59: LCC / LCC
    {2002, "Massachusetts Island"},                  // 60: LCC / LCC
    {2101, "Michigan East (old)"},                   // 61: TM / -
    {2102, "Michigan Central (old)"},                // 62: TM / -
    {2103, "Michigan West (old)"},                   // 63: TM / -
    {2111, "Michigan North"},                        // 64: LCC* / LCC
    {2112, "Michigan Central"},                      // 65: LCC* / LCC
    {2113, "Michigan South"},                        // 66: LCC* / LCC
    {2201, "Minnesota North"},                       // 67: LCC / LCC
    {2202, "Minnesota Central"},                     // 68: LCC / LCC
    {2203, "Minnesota South"},                       // 69: LCC / LCC
    {2301, "Missippippi East"},                      // 70: TM / TM
    {2302, "Missippippi West"},                      // 71: TM / TM
    {2401, "Missouri East"},                         // 72: TM / TM
    {2402, "Missouri Central"},                      // 73: TM / TM
    {2403, "Missouri West"},                         // 74: TM / TM
    {2500, "Montana"},                               // 75: - / LCC
    {2501, "Montana North"},                         // 76: LCC / -
    {2502, "Montana Central"},                       // 77: LCC / -
    {2503, "Montana South"},                         // 78: LCC / -
    {2600, "Nebraska"},                              // 79: - / LCC
    {2601, "Nebraska North"},                        // 80: LCC / -
    {2602, "Nebraska South"},                        // 81: LCC / -
    {2701, "Nevada East"},                           // 82: TM / TM
    {2702, "Nevada Central"},                        // 83: TM / TM
    {2703, "Nevada West"},                           // 84: TM / TM
    {2800, "New Hampshire"},                         // 85: TM / TM
    {2900, "New Jersey"},                            // 86: TM / TM
    {3001, "New Mexico East"},                       // 87: TM / TM
    {3002, "New Mexico Central"},                    // 88: TM / TM
    {3003, "New Mexico West"},                       // 89: TM / TM
    {3101, "New York East"},                         // 90: TM / TM
    {3102, "New York Central"},                      // 91: TM / TM
    {3103, "New York West"},                         // 92: TM / TM
    {3104, "New York Long Island"},                  // 93: LCC / LCC
    {3200, "North Carolina"},                        // 94: LCC / LCC
    {3301, "North Dakota North"},                    // 95: LCC / LCC
    {3302, "North Dakota South"},                    // 96: LCC / LCC
    {3401, "Ohio North"},                            // 97: LCC / LCC
    {3402, "Ohio South"},                            // 98: LCC / LCC
    {3501, "Oklahoma North"},                        // 99: LCC / LCC
    {3502, "Oklahoma South"},                        // 100: LCC / LCC
    {3601, "Oregon North"},                          // 101: LCC / LCC
    {3602, "Oregon South"},                          // 102: LCC / LCC
    {3701, "Pennsylvania North"},                    // 103: LCC / LCC
    {3702, "Pennsylvania South"},                    // 104: LCC / LCC
    {5200, "Puerto Rico and Virgin Islands (1983)"}, // 105: - / LCC
    {5201, "Puerto Rico and Virgin Islands (1927)"}, // 106: LCC / -
    {5202, "Virgin Islands St. Croix (1927)"},       // 107: LCC / -
    {3800, "Rhode Island"},                          // 108: TM / TM
    {5300, "American Samoa"},                        // 109: LCC / -
    {3900, "South Carolina"},                        // 110: - / LCC
    {3901, "South Carolina North"},                  // 111: LCC / -
    {3902, "South Carolina South"},                  // 112: LCC / -
    {4001, "South Dakota North"},                    // 113: LCC / LCC
    {4002, "South Dakota South"},                    // 114: LCC / LCC
    {4100, "Tennessee"},                             // 115: LCC / LCC
    {4201, "Texas North"},                           // 116: LCC / LCC
    {4202, "Texas North Central"},                   // 117: LCC / LCC
    {4203, "Texas Central"},                         // 118: LCC / LCC
    {4204, "Texas South Central"},                   // 119: LCC / LCC
    {4205, "Texas South"},                           // 120: LCC / LCC
    {4301, "Utah North"},                            // 121: LCC / LCC
    {4302, "Utah Central"},                          // 122: LCC / LCC
    {4303, "Utah South"},                            // 123: LCC / LCC
    {4400, "Vermont"},                               // 124: TM / TM
    {4501, "Virginia North"},                        // 125: LCC / LCC
    {4502, "Virginia South"},                        // 126: LCC / LCC
    {4601, "Washington North"},                      // 127: LCC / LCC
    {4602, "Washington South"},                      // 128: LCC / LCC
    {4701, "West Virginia North"},                   // 129: LCC / LCC
    {4702, "West Virginia South"},                   // 130: LCC / LCC
    {4801, "Wisconsin North"},                       // 131: LCC / LCC
    {4802, "Wisconsin Central"},                     // 132: LCC / LCC
    {4803, "Wisconsin South"},                       // 133: LCC / LCC
    {4901, "Wyoming East"},                          // 134: TM / TM
    {4902, "Wyoming East Central"},                  // 135: TM / TM
    {4903, "Wyoming Central"},                       // 136: TM / TM
    {4904, "Wyoming West"},                          // 137: TM / TM
    {0, "Great Lakes Survey 1"},                     // 138: HOM / HOM*
    {0, "Great Lakes Survey 2"},                     // 139: HOM / HOM*
    {0, "Great Lakes Survey 3"},                     // 140: HOM / HOM*
    {0, "Great Lakes Survey 4"},                     // 141: HOM / HOM*
    {-1, nullptr},
};
static_assert(sizeof(kStateZones) / sizeof(kStateZones[0]) == kNumStateZones + 1,
              "one row per zone and the end row");

// The values a zone's expansion writes. Angles are degree-minute-second texts
// read with LatLonToDegrees ('d' as extra degree mark; null or unreadable
// gives 0); distances in metres. Type PT_UNDEFINED: no such zone that year.
struct StateZoneParams {
    ProjType type; // PT_UTM (Transverse Mercator), PT_LAMBERT, PT_POLYCONIC, PT_HOTINE
    EllipsoidType ellipsoid;
    const char* lon0;
    const char* lat0;
    const char* lat1;
    const char* lat2;
    const char* lon1;  // Hotine: longitude of the centre
    const char* alpha; // Hotine by azimuth (Alaska 1) only
    double k0;
    double xOrg;
    double yOrg;
};

// Expansion tables, one row per zone 0 to 141.
extern const StateZoneParams kStateZones1927[kNumStateZones];
extern const StateZoneParams kStateZones1983[kNumStateZones];

constexpr bool IsStateZone(int zone) {
    return zone >= 0 && zone < kNumStateZones;
}

// Expands pData->Zone in place with the 1927 or 1983 table: clears Lon0,
// Lat0, Lon1, Lat1, Lon2, Lat2, xOrg, yOrg and K0, then writes the zone's
// type, ellipsoid, fields, MajorRadius and Flattening. False (fields stay
// cleared) for a zone outside 0 to 141 or without an entry that year.
bool ExpandStateZone1927(PROJDATA* pData);
bool ExpandStateZone1983(PROJDATA* pData);
// Expands by the record's Type (9: 1927, 10: 1983); false for other types.
bool ExpandStateZone(PROJDATA* pData);

} // namespace QVProj

#endif
