// State plane zone parameters of 1927 and 1983, one row per zone.
// Written by tools/gen_statezones.py from the EPSG dataset in PROJ's database;
// the comment after each row names its source. 1927 lengths are US survey
// feet in metres (1 ft = 1200/3937 m).
// Great Lakes zones 138 to 141: oblique Mercator in the two-point layout, alike
// in both years and on Clarke 1866, without EPSG codes. Zone 139 is the row as
// originally defined: Lon1 and Lat1 a point of the central line (the west
// longitude written positive), Lat0 the azimuth of the central line (350d37,
// beyond 90 and carried unchanged), K0 0.9999, false origin 1200000 / -3500000.
// Zones 138, 140 and 141 have no published definition under their names: EPSG
// has none, and PROJ's GL27 file defines four Great Lakes grids by lake, not by
// survey number. They have no entry, so their expansion fails.
#include "proj/statezones.h"

namespace QVProj {

const StateZoneParams kStateZones1927[kNumStateZones] = {
    {PT_UTM, ET_CLARKE_1866, "-85d50'", "30d30'", nullptr, nullptr, nullptr, nullptr, 0.99996,
     152400.3048006096, 0}, // 0 Alabama East (EPSG:26729)
    {PT_UTM, ET_CLARKE_1866, "-87d30'", "30", nullptr, nullptr, nullptr, nullptr, 0.999933333,
     152400.3048006096, 0}, // 1 Alabama West (EPSG:26730)
    {PT_HOTINE, ET_CLARKE_1866, nullptr, "57", nullptr, nullptr, "-133d40'", "-36d52'11.6315",
     0.9999, 818585.5672270928, 575219.2451072643}, // 2 Alaska 1 (EPSG:26731)
    {PT_UTM, ET_CLARKE_1866, "-142", "54", nullptr, nullptr, nullptr, nullptr, 0.9999,
     152400.3048006096, 0}, // 3 Alaska 2 (EPSG:26732)
    {PT_UTM, ET_CLARKE_1866, "-146", "54", nullptr, nullptr, nullptr, nullptr, 0.9999,
     152400.3048006096, 0}, // 4 Alaska 3 (EPSG:26733)
    {PT_UTM, ET_CLARKE_1866, "-150", "54", nullptr, nullptr, nullptr, nullptr, 0.9999,
     152400.3048006096, 0}, // 5 Alaska 4 (EPSG:26734)
    {PT_UTM, ET_CLARKE_1866, "-154", "54", nullptr, nullptr, nullptr, nullptr, 0.9999,
     152400.3048006096, 0}, // 6 Alaska 5 (EPSG:26735)
    {PT_UTM, ET_CLARKE_1866, "-158", "54", nullptr, nullptr, nullptr, nullptr, 0.9999,
     152400.3048006096, 0}, // 7 Alaska 6 (EPSG:26736)
    {PT_UTM, ET_CLARKE_1866, "-162", "54", nullptr, nullptr, nullptr, nullptr, 0.9999,
     213360.42672085343, 0}, // 8 Alaska 7 (EPSG:26737)
    {PT_UTM, ET_CLARKE_1866, "-166", "54", nullptr, nullptr, nullptr, nullptr, 0.9999,
     152400.3048006096, 0}, // 9 Alaska 8 (EPSG:26738)
    {PT_UTM, ET_CLARKE_1866, "-170", "54", nullptr, nullptr, nullptr, nullptr, 0.9999,
     182880.3657607315, 0}, // 10 Alaska 9 (EPSG:26739)
    {PT_LAMBERT, ET_CLARKE_1866, "-176", "51", "53d50'", "51d50'", nullptr, nullptr, 0,
     914401.8288036576, 0}, // 11 Alaska 10 (EPSG:26740)
    {PT_UTM, ET_CLARKE_1866, "-110d10'", "31", nullptr, nullptr, nullptr, nullptr, 0.9999,
     152400.3048006096, 0}, // 12 Arizona East (EPSG:26748)
    {PT_UTM, ET_CLARKE_1866, "-111d55'", "31", nullptr, nullptr, nullptr, nullptr, 0.9999,
     152400.3048006096, 0}, // 13 Arizona Central (EPSG:26749)
    {PT_UTM, ET_CLARKE_1866, "-113d45'", "31", nullptr, nullptr, nullptr, nullptr, 0.999933333,
     152400.3048006096, 0}, // 14 Arizona West (EPSG:26750)
    {PT_LAMBERT, ET_CLARKE_1866, "-92", "34d20'", "36d14'", "34d56'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 15 Arkansas North (EPSG:26751)
    {PT_LAMBERT, ET_CLARKE_1866, "-92", "32d40'", "34d46'", "33d18'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 16 Arkansas South (EPSG:26752)
    {PT_LAMBERT, ET_CLARKE_1866, "-122", "39d20'", "41d40'", "40", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 17 California I (EPSG:26741)
    {PT_LAMBERT, ET_CLARKE_1866, "-122", "37d40'", "39d50'", "38d20'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 18 California II (EPSG:26742)
    {PT_LAMBERT, ET_CLARKE_1866, "-120d30'", "36d30'", "38d26'", "37d04'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 19 California III (EPSG:26743)
    {PT_LAMBERT, ET_CLARKE_1866, "-119", "35d20'", "37d15'", "36", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 20 California IV (EPSG:26744)
    {PT_LAMBERT, ET_CLARKE_1866, "-118", "33d30'", "35d28'", "34d02'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 21 California V (EPSG:26745)
    {PT_LAMBERT, ET_CLARKE_1866, "-116d15'", "32d10'", "33d53'", "32d47'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 22 California VI (EPSG:26746)
    {PT_LAMBERT, ET_CLARKE_1866, "-118d20'", "34d08'", "34d25'", "33d52'", nullptr, nullptr, 0,
     1276106.4505969011, 1268253.0068580138}, // 23 California VII (EPSG:26799)
    {PT_LAMBERT, ET_CLARKE_1866, "-105d30'", "39d20'", "40d47'", "39d43'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 24 Colorado North (EPSG:26753)
    {PT_LAMBERT, ET_CLARKE_1866, "-105d30'", "37d50'", "39d45'", "38d27'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 25 Colorado Central (EPSG:26754)
    {PT_LAMBERT, ET_CLARKE_1866, "-105d30'", "36d40'", "38d26'", "37d14'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 26 Colorado South (EPSG:26755)
    {PT_LAMBERT, ET_CLARKE_1866, "-72d45'", "40d50'", "41d52'", "41d12'", nullptr, nullptr, 0,
     182880.3657607315, 0}, // 27 Connecticut (EPSG:26756)
    {PT_UTM, ET_CLARKE_1866, "-75d25'", "38", nullptr, nullptr, nullptr, nullptr, 0.999995,
     152400.3048006096, 0}, // 28 Deleware (EPSG:26757)
    {PT_LAMBERT, ET_CLARKE_1866, "-84d30'", "29", "30d45'", "29d35'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 29 Florida North (EPSG:26760)
    {PT_UTM, ET_CLARKE_1866, "-81", "24d20'", nullptr, nullptr, nullptr, nullptr, 0.999941177,
     152400.3048006096, 0}, // 30 Florida East (EPSG:26758)
    {PT_UTM, ET_CLARKE_1866, "-82", "24d20'", nullptr, nullptr, nullptr, nullptr, 0.999941177,
     152400.3048006096, 0}, // 31 Florida West (EPSG:26759)
    {PT_UTM, ET_CLARKE_1866, "-82d10'", "30", nullptr, nullptr, nullptr, nullptr, 0.9999,
     152400.3048006096, 0}, // 32 Georgia East (EPSG:26766)
    {PT_UTM, ET_CLARKE_1866, "-84d10'", "30", nullptr, nullptr, nullptr, nullptr, 0.9999,
     152400.3048006096, 0}, // 33 Georgia West (EPSG:26767)
    {PT_POLYCONIC, ET_CLARKE_1866, "144d44'55.50254", "13d28'20.87887", nullptr, nullptr, nullptr,
     nullptr, 0, 50000.0, 50000.0}, // 34 Guam Island (ESRI:65061)
    {PT_UTM, ET_CLARKE_1866, "-155d30'", "18d50'", nullptr, nullptr, nullptr, nullptr, 0.999966667,
     152400.3048006096, 0}, // 35 Hawaii 1 (EPSG:3561)
    {PT_UTM, ET_CLARKE_1866, "-156d40'", "20d20'", nullptr, nullptr, nullptr, nullptr, 0.999966667,
     152400.3048006096, 0}, // 36 Hawaii 2 (EPSG:3562)
    {PT_UTM, ET_CLARKE_1866, "-158", "21d10'", nullptr, nullptr, nullptr, nullptr, 0.99999,
     152400.3048006096, 0}, // 37 Hawaii 3 (EPSG:3563)
    {PT_UTM, ET_CLARKE_1866, "-159d30'", "21d50'", nullptr, nullptr, nullptr, nullptr, 0.99999,
     152400.3048006096, 0}, // 38 Hawaii 4 (EPSG:3564)
    {PT_UTM, ET_CLARKE_1866, "-160d10'", "21d40'", nullptr, nullptr, nullptr, nullptr, 1.0,
     152400.3048006096, 0}, // 39 Hawaii 5 (EPSG:3565)
    {PT_UTM, ET_CLARKE_1866, "-112d10'", "41d40'", nullptr, nullptr, nullptr, nullptr, 0.999947368,
     152400.3048006096, 0}, // 40 Idaho East (EPSG:26768)
    {PT_UTM, ET_CLARKE_1866, "-114", "41d40'", nullptr, nullptr, nullptr, nullptr, 0.999947368,
     152400.3048006096, 0}, // 41 Idaho Central (EPSG:26769)
    {PT_UTM, ET_CLARKE_1866, "-115d45'", "41d40'", nullptr, nullptr, nullptr, nullptr, 0.999933333,
     152400.3048006096, 0}, // 42 Idaho West (EPSG:26770)
    {PT_UTM, ET_CLARKE_1866, "-88d20'", "36d40'", nullptr, nullptr, nullptr, nullptr, 0.999975,
     152400.3048006096, 0}, // 43 Illinois East (EPSG:26771)
    {PT_UTM, ET_CLARKE_1866, "-90d10'", "36d40'", nullptr, nullptr, nullptr, nullptr, 0.999941177,
     152400.3048006096, 0}, // 44 Illinois West (EPSG:26772)
    {PT_UTM, ET_CLARKE_1866, "-85d40'", "37d30'", nullptr, nullptr, nullptr, nullptr, 0.999966667,
     152400.3048006096, 0}, // 45 Indiana East (EPSG:26773)
    {PT_UTM, ET_CLARKE_1866, "-87d05'", "37d30'", nullptr, nullptr, nullptr, nullptr, 0.999966667,
     152400.3048006096, 0}, // 46 Indiana West (EPSG:26774)
    {PT_LAMBERT, ET_CLARKE_1866, "-93d30'", "41d30'", "43d16'", "42d04'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 47 Iowa North (EPSG:26775)
    {PT_LAMBERT, ET_CLARKE_1866, "-93d30'", "40", "41d47'", "40d37'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 48 Iowa South (EPSG:26776)
    {PT_LAMBERT, ET_CLARKE_1866, "-98", "38d20'", "39d47'", "38d43'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 49 Kansas North (EPSG:26777)
    {PT_LAMBERT, ET_CLARKE_1866, "-98d30'", "36d40'", "38d34'", "37d16'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 50 Kansas South (EPSG:26778)
    {PT_LAMBERT, ET_CLARKE_1866, "-84d15'", "37d30'", "38d58'", "37d58'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 51 Kentucky North (EPSG:26779)
    {PT_LAMBERT, ET_CLARKE_1866, "-85d45'", "36d20'", "37d56'", "36d44'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 52 Kentucky South (EPSG:26780)
    {PT_LAMBERT, ET_CLARKE_1866, "-92d30'", "30d40'", "32d40'", "31d10'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 53 Louisiana North (EPSG:26781)
    {PT_LAMBERT, ET_CLARKE_1866, "-91d20'", "28d40'", "30d42'", "29d18'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 54 Louisiana South (EPSG:26782)
    {PT_LAMBERT, ET_CLARKE_1866, "-91d20'", "25d40'", "27d50'", "26d10'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 55 Louisiana Offshore (EPSG:32099)
    {PT_UTM, ET_CLARKE_1866, "-68d30'", "43d50'", nullptr, nullptr, nullptr, nullptr, 0.9999,
     152400.3048006096, 0}, // 56 Maine East (EPSG:26783)
    {PT_UTM, ET_CLARKE_1866, "-70d10'", "42d50'", nullptr, nullptr, nullptr, nullptr, 0.999966667,
     152400.3048006096, 0}, // 57 Maine West (EPSG:26784)
    {PT_LAMBERT, ET_CLARKE_1866, "-77", "37d50'", "39d27'", "38d18'", nullptr, nullptr, 0,
     243840.48768097535, 0}, // 58 Maryland (EPSG:26785)
    {PT_LAMBERT, ET_CLARKE_1866, "-71d30'", "41", "42d41'", "41d43'", nullptr, nullptr, 0,
     182880.3657607315, 0}, // 59 Massachusetts Mainland (EPSG:26786)
    {PT_LAMBERT, ET_CLARKE_1866, "-70d30'", "41", "41d29'", "41d17'", nullptr, nullptr, 0,
     60960.12192024384, 0}, // 60 Massachusetts Island (EPSG:26787)
    {PT_UTM, ET_CLARKE_1866, "-83d40'", "41d30'", nullptr, nullptr, nullptr, nullptr, 0.999942857,
     152400.3048006096, 0}, // 61 Michigan East (old) (EPSG:5623)
    {PT_UTM, ET_CLARKE_1866, "-85d45'", "41d30'", nullptr, nullptr, nullptr, nullptr, 0.999909091,
     152400.3048006096, 0}, // 62 Michigan Central (old) (EPSG:5624)
    {PT_UTM, ET_CLARKE_1866, "-88d45'", "41d30'", nullptr, nullptr, nullptr, nullptr, 0.999909091,
     152400.3048006096, 0}, // 63 Michigan West (old) (EPSG:5625)
    {PT_LAMBERT, ET_MICHIGAN_1927, "-87", "44d47", "47d5", "45d29", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 64 Michigan North (EPSG:6966)
    {PT_LAMBERT, ET_MICHIGAN_1927, "-84d20'", "43d19'", "45d42'", "44d11'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 65 Michigan Central (EPSG:6201)
    {PT_LAMBERT, ET_MICHIGAN_1927, "-84d20'", "41d30'", "43d40'", "42d06'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 66 Michigan South (EPSG:6202)
    {PT_LAMBERT, ET_CLARKE_1866, "-93d06'", "46d30'", "48d38'", "47d02'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 67 Minnesota North (EPSG:26791)
    {PT_LAMBERT, ET_CLARKE_1866, "-94d15'", "45", "47d03'", "45d37'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 68 Minnesota Central (EPSG:26792)
    {PT_LAMBERT, ET_CLARKE_1866, "-94", "43", "45d13'", "43d47'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 69 Minnesota South (EPSG:26793)
    {PT_UTM, ET_CLARKE_1866, "-88d50'", "29d40'", nullptr, nullptr, nullptr, nullptr, 0.99996,
     152400.3048006096, 0}, // 70 Missippippi East (EPSG:26794)
    {PT_UTM, ET_CLARKE_1866, "-90d20'", "30d30'", nullptr, nullptr, nullptr, nullptr, 0.999941177,
     152400.3048006096, 0}, // 71 Missippippi West (EPSG:26795)
    {PT_UTM, ET_CLARKE_1866, "-90d30'", "35d50'", nullptr, nullptr, nullptr, nullptr, 0.999933333,
     152400.3048006096, 0}, // 72 Missouri East (EPSG:26796)
    {PT_UTM, ET_CLARKE_1866, "-92d30'", "35d50'", nullptr, nullptr, nullptr, nullptr, 0.999933333,
     152400.3048006096, 0}, // 73 Missouri Central (EPSG:26797)
    {PT_UTM, ET_CLARKE_1866, "-94d30'", "36d10'", nullptr, nullptr, nullptr, nullptr, 0.999941177,
     152400.3048006096, 0}, // 74 Missouri West (EPSG:26798)
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 75 Montana: none
    {PT_LAMBERT, ET_CLARKE_1866, "-109d30'", "47", "48d43'", "47d51'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 76 Montana North (EPSG:32001)
    {PT_LAMBERT, ET_CLARKE_1866, "-109d30'", "45d50'", "47d53'", "46d27'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 77 Montana Central (EPSG:32002)
    {PT_LAMBERT, ET_CLARKE_1866, "-109d30'", "44", "46d24'", "44d52'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 78 Montana South (EPSG:32003)
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 79 Nebraska: none
    {PT_LAMBERT, ET_CLARKE_1866, "-100", "41d20'", "42d49'", "41d51'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 80 Nebraska North (EPSG:32005)
    {PT_LAMBERT, ET_CLARKE_1866, "-99d30'", "39d40'", "41d43'", "40d17'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 81 Nebraska South (EPSG:32006)
    {PT_UTM, ET_CLARKE_1866, "-115d35'", "34d45'", nullptr, nullptr, nullptr, nullptr, 0.9999,
     152400.3048006096, 0}, // 82 Nevada East (EPSG:32007)
    {PT_UTM, ET_CLARKE_1866, "-116d40'", "34d45'", nullptr, nullptr, nullptr, nullptr, 0.9999,
     152400.3048006096, 0}, // 83 Nevada Central (EPSG:32008)
    {PT_UTM, ET_CLARKE_1866, "-118d35'", "34d45'", nullptr, nullptr, nullptr, nullptr, 0.9999,
     152400.3048006096, 0}, // 84 Nevada West (EPSG:32009)
    {PT_UTM, ET_CLARKE_1866, "-71d40'", "42d30'", nullptr, nullptr, nullptr, nullptr, 0.999966667,
     152400.3048006096, 0}, // 85 New Hampshire (EPSG:32010)
    {PT_UTM, ET_CLARKE_1866, "-74d40'", "38d50'", nullptr, nullptr, nullptr, nullptr, 0.999975,
     609601.2192024384, 0}, // 86 New Jersey (EPSG:32011)
    {PT_UTM, ET_CLARKE_1866, "-104d20'", "31", nullptr, nullptr, nullptr, nullptr, 0.999909091,
     152400.3048006096, 0}, // 87 New Mexico East (EPSG:32012)
    {PT_UTM, ET_CLARKE_1866, "-106d15'", "31", nullptr, nullptr, nullptr, nullptr, 0.9999,
     152400.3048006096, 0}, // 88 New Mexico Central (EPSG:32013)
    {PT_UTM, ET_CLARKE_1866, "-107d50'", "31", nullptr, nullptr, nullptr, nullptr, 0.999916667,
     152400.3048006096, 0}, // 89 New Mexico West (EPSG:32014)
    {PT_UTM, ET_CLARKE_1866, "-74d20'", "40", nullptr, nullptr, nullptr, nullptr, 0.999966667,
     152400.3048006096, 0}, // 90 New York East (EPSG:32015)
    {PT_UTM, ET_CLARKE_1866, "-76d35'", "40", nullptr, nullptr, nullptr, nullptr, 0.9999375,
     152400.3048006096, 0}, // 91 New York Central (EPSG:32016)
    {PT_UTM, ET_CLARKE_1866, "-78d35'", "40", nullptr, nullptr, nullptr, nullptr, 0.9999375,
     152400.3048006096, 0}, // 92 New York West (EPSG:32017)
    {PT_LAMBERT, ET_CLARKE_1866, "-74", "40d30'", "41d02'", "40d40'", nullptr, nullptr, 0,
     609601.2192024384, 30480.06096012192}, // 93 New York Long Island (EPSG:4456)
    {PT_LAMBERT, ET_CLARKE_1866, "-79", "33d45'", "36d10'", "34d20'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 94 North Carolina (EPSG:32019)
    {PT_LAMBERT, ET_CLARKE_1866, "-100d30'", "47", "48d44'", "47d26'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 95 North Dakota North (EPSG:32020)
    {PT_LAMBERT, ET_CLARKE_1866, "-100d30'", "45d40'", "47d29'", "46d11'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 96 North Dakota South (EPSG:32021)
    {PT_LAMBERT, ET_CLARKE_1866, "-82d30'", "39d40'", "41d42'", "40d26'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 97 Ohio North (EPSG:32022)
    {PT_LAMBERT, ET_CLARKE_1866, "-82d30'", "38", "40d02'", "38d44'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 98 Ohio South (EPSG:32023)
    {PT_LAMBERT, ET_CLARKE_1866, "-98", "35", "36d46'", "35d34'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 99 Oklahoma North (EPSG:32024)
    {PT_LAMBERT, ET_CLARKE_1866, "-98", "33d20'", "35d14'", "33d56'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 100 Oklahoma South (EPSG:32025)
    {PT_LAMBERT, ET_CLARKE_1866, "-120d30'", "43d40'", "46", "44d20'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 101 Oregon North (EPSG:32026)
    {PT_LAMBERT, ET_CLARKE_1866, "-120d30'", "41d40'", "44", "42d20'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 102 Oregon South (EPSG:32027)
    {PT_LAMBERT, ET_CLARKE_1866, "-77d45'", "40d10'", "41d57'", "40d53'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 103 Pennsylvania North (EPSG:32028)
    {PT_LAMBERT, ET_CLARKE_1866, "-77d45'", "39d20'", "40d58'", "39d56'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 104 Pennsylvania South (EPSG:4455)
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 105 Puerto Rico and Virgin Islands (1983): none
    {PT_LAMBERT, ET_CLARKE_1866, "-66d26'", "17d50'", "18d26'", "18d02'", nullptr, nullptr, 0,
     152400.3048006096, 0}, // 106 Puerto Rico and Virgin Islands (1927) (EPSG:3991)
    {PT_LAMBERT, ET_CLARKE_1866, "-66d26'", "17d50'", "18d26'", "18d02'", nullptr, nullptr, 0,
     152400.3048006096, 30480.06096012192}, // 107 Virgin Islands St. Croix (1927) (EPSG:3992)
    {PT_UTM, ET_CLARKE_1866, "-71d30'", "41d05'", nullptr, nullptr, nullptr, nullptr, 0.9999938,
     152400.3048006096, 0}, // 108 Rhode Island (EPSG:32030)
    {PT_LAMBERT, ET_CLARKE_1866, "-170", "-14d16'", "-14d15'59", "-14d16'1", nullptr, nullptr, 0,
     152400.3048006096, 95169.31165862332}, // 109 American Samoa (EPSG:3102)
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 110 South Carolina: none
    {PT_LAMBERT, ET_CLARKE_1866, "-81", "33", "34d58'", "33d46'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 111 South Carolina North (EPSG:32031)
    {PT_LAMBERT, ET_CLARKE_1866, "-81", "31d50'", "33d40'", "32d20'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 112 South Carolina South (EPSG:32033)
    {PT_LAMBERT, ET_CLARKE_1866, "-100", "43d50'", "45d41'", "44d25'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 113 South Dakota North (EPSG:32034)
    {PT_LAMBERT, ET_CLARKE_1866, "-100d20'", "42d20'", "44d24'", "42d50'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 114 South Dakota South (EPSG:32035)
    {PT_LAMBERT, ET_CLARKE_1866, "-86", "34d40'", "36d25'", "35d15'", nullptr, nullptr, 0,
     609601.2192024384, 30480.06096012192}, // 115 Tennessee (EPSG:2204)
    {PT_LAMBERT, ET_CLARKE_1866, "-101d30'", "34", "36d11'", "34d39'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 116 Texas North (EPSG:32037)
    {PT_LAMBERT, ET_CLARKE_1866, "-97d30'", "31d40'", "33d58'", "32d08'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 117 Texas North Central (EPSG:32038)
    {PT_LAMBERT, ET_CLARKE_1866, "-100d20'", "29d40'", "31d53'", "30d07'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 118 Texas Central (EPSG:32039)
    {PT_LAMBERT, ET_CLARKE_1866, "-99", "27d50'", "30d17'", "28d23'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 119 Texas South Central (EPSG:32040)
    {PT_LAMBERT, ET_CLARKE_1866, "-98d30'", "25d40'", "27d50'", "26d10'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 120 Texas South (EPSG:32041)
    {PT_LAMBERT, ET_CLARKE_1866, "-111d30'", "40d20'", "41d47'", "40d43'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 121 Utah North (EPSG:32042)
    {PT_LAMBERT, ET_CLARKE_1866, "-111d30'", "38d20'", "40d39'", "39d01'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 122 Utah Central (EPSG:32043)
    {PT_LAMBERT, ET_CLARKE_1866, "-111d30'", "36d40'", "38d21'", "37d13'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 123 Utah South (EPSG:32044)
    {PT_UTM, ET_CLARKE_1866, "-72d30'", "42d30'", nullptr, nullptr, nullptr, nullptr, 0.999964286,
     152400.3048006096, 0}, // 124 Vermont (EPSG:32045)
    {PT_LAMBERT, ET_CLARKE_1866, "-78d30'", "37d40'", "39d12'", "38d02'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 125 Virginia North (EPSG:32046)
    {PT_LAMBERT, ET_CLARKE_1866, "-78d30'", "36d20'", "37d58'", "36d46'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 126 Virginia South (EPSG:32047)
    {PT_LAMBERT, ET_CLARKE_1866, "-120d50'", "47", "48d44'", "47d30'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 127 Washington North (EPSG:32048)
    {PT_LAMBERT, ET_CLARKE_1866, "-120d30'", "45d20'", "47d20'", "45d50'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 128 Washington South (EPSG:32049)
    {PT_LAMBERT, ET_CLARKE_1866, "-79d30'", "38d30'", "40d15'", "39", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 129 West Virginia North (EPSG:32050)
    {PT_LAMBERT, ET_CLARKE_1866, "-81", "37", "38d53'", "37d29'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 130 West Virginia South (EPSG:32051)
    {PT_LAMBERT, ET_CLARKE_1866, "-90", "45d10'", "46d46'", "45d34'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 131 Wisconsin North (EPSG:32052)
    {PT_LAMBERT, ET_CLARKE_1866, "-90", "43d50'", "45d30'", "44d15'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 132 Wisconsin Central (EPSG:32053)
    {PT_LAMBERT, ET_CLARKE_1866, "-90", "42", "44d04'", "42d44'", nullptr, nullptr, 0,
     609601.2192024384, 0}, // 133 Wisconsin South (EPSG:32054)
    {PT_UTM, ET_CLARKE_1866, "-105d10'", "40d40'", nullptr, nullptr, nullptr, nullptr, 0.999941177,
     152400.3048006096, 0}, // 134 Wyoming East (EPSG:32055)
    {PT_UTM, ET_CLARKE_1866, "-107d20'", "40d40'", nullptr, nullptr, nullptr, nullptr, 0.999941177,
     152400.3048006096, 0}, // 135 Wyoming East Central (EPSG:32056)
    {PT_UTM, ET_CLARKE_1866, "-108d45'", "40d40'", nullptr, nullptr, nullptr, nullptr, 0.999941177,
     152400.3048006096, 0}, // 136 Wyoming Central (EPSG:32057)
    {PT_UTM, ET_CLARKE_1866, "-110d05'", "40d40'", nullptr, nullptr, nullptr, nullptr, 0.999941177,
     152400.3048006096, 0}, // 137 Wyoming West (EPSG:32058)
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 138 Great Lakes Survey 1: no published definition
    {PT_HOTINE, ET_CLARKE_1866, nullptr, "350d37", "43", nullptr, "82d30", nullptr, 0.9999,
     1200000.0, -3500000.0}, // 139 Great Lakes Survey 2 (no EPSG code; as originally defined)
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 140 Great Lakes Survey 3: no published definition
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 141 Great Lakes Survey 4: no published definition
};

const StateZoneParams kStateZones1983[kNumStateZones] = {
    {PT_UTM, ET_GRS_1980, "-85D50", "30D30", nullptr, nullptr, nullptr, nullptr, 0.99996, 200000.0,
     0}, // 0 Alabama East (EPSG:26929)
    {PT_UTM, ET_GRS_1980, "-87D30", "30", nullptr, nullptr, nullptr, nullptr, 0.999933333, 600000.0,
     0}, // 1 Alabama West (EPSG:26930)
    {PT_HOTINE, ET_GRS_1980, nullptr, "57", nullptr, nullptr, "-133d40'", "-36d52'11.6315", 0.9999,
     818676.7344011232, 575097.6888751927}, // 2 Alaska 1 (EPSG:26931)
    {PT_UTM, ET_GRS_1980, "-142", "54", nullptr, nullptr, nullptr, nullptr, 0.9999, 500000.0,
     0}, // 3 Alaska 2 (EPSG:26932)
    {PT_UTM, ET_GRS_1980, "-146", "54", nullptr, nullptr, nullptr, nullptr, 0.9999, 500000.0,
     0}, // 4 Alaska 3 (EPSG:26933)
    {PT_UTM, ET_GRS_1980, "-150", "54", nullptr, nullptr, nullptr, nullptr, 0.9999, 500000.0,
     0}, // 5 Alaska 4 (EPSG:26934)
    {PT_UTM, ET_GRS_1980, "-154", "54", nullptr, nullptr, nullptr, nullptr, 0.9999, 500000.0,
     0}, // 6 Alaska 5 (EPSG:26935)
    {PT_UTM, ET_GRS_1980, "-158", "54", nullptr, nullptr, nullptr, nullptr, 0.9999, 500000.0,
     0}, // 7 Alaska 6 (EPSG:26936)
    {PT_UTM, ET_GRS_1980, "-162", "54", nullptr, nullptr, nullptr, nullptr, 0.9999, 500000.0,
     0}, // 8 Alaska 7 (EPSG:26937)
    {PT_UTM, ET_GRS_1980, "-166", "54", nullptr, nullptr, nullptr, nullptr, 0.9999, 500000.0,
     0}, // 9 Alaska 8 (EPSG:26938)
    {PT_UTM, ET_GRS_1980, "-170", "54", nullptr, nullptr, nullptr, nullptr, 0.9999, 500000.0,
     0}, // 10 Alaska 9 (EPSG:26939)
    {PT_LAMBERT, ET_GRS_1980, "-176", "51", "53d50'", "51d50'", nullptr, nullptr, 0, 1000000.0,
     0}, // 11 Alaska 10 (EPSG:26940)
    {PT_UTM, ET_GRS_1980, "-110D10", "31", nullptr, nullptr, nullptr, nullptr, 0.9999, 213360.0,
     0}, // 12 Arizona East (EPSG:26948)
    {PT_UTM, ET_GRS_1980, "-111D55", "31", nullptr, nullptr, nullptr, nullptr, 0.9999, 213360.0,
     0}, // 13 Arizona Central (EPSG:26949)
    {PT_UTM, ET_GRS_1980, "-113D45", "31", nullptr, nullptr, nullptr, nullptr, 0.999933333,
     213360.0, 0}, // 14 Arizona West (EPSG:26950)
    {PT_LAMBERT, ET_GRS_1980, "-92", "34D20", "36D14", "34D56", nullptr, nullptr, 0, 400000.0,
     0}, // 15 Arkansas North (EPSG:26951)
    {PT_LAMBERT, ET_GRS_1980, "-92", "32D40", "34D46", "33D18", nullptr, nullptr, 0, 400000.0,
     400000.0}, // 16 Arkansas South (EPSG:26952)
    {PT_LAMBERT, ET_GRS_1980, "-122", "39D20", "41D40", "40", nullptr, nullptr, 0, 2000000.0,
     500000.0}, // 17 California I (EPSG:26941)
    {PT_LAMBERT, ET_GRS_1980, "-122", "37D40", "39D50", "38D20", nullptr, nullptr, 0, 2000000.0,
     500000.0}, // 18 California II (EPSG:26942)
    {PT_LAMBERT, ET_GRS_1980, "-120D30", "36D30", "38D26", "37D04", nullptr, nullptr, 0, 2000000.0,
     500000.0}, // 19 California III (EPSG:26943)
    {PT_LAMBERT, ET_GRS_1980, "-119", "35D20", "37D15", "36", nullptr, nullptr, 0, 2000000.0,
     500000.0}, // 20 California IV (EPSG:26944)
    {PT_LAMBERT, ET_GRS_1980, "-118", "33D30", "35D28", "34D02", nullptr, nullptr, 0, 2000000.0,
     500000.0}, // 21 California V (EPSG:26945)
    {PT_LAMBERT, ET_GRS_1980, "-116D15", "32D10", "33D53", "32D47", nullptr, nullptr, 0, 2000000.0,
     500000.0}, // 22 California VI (EPSG:26946)
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 23 California VII: none
    {PT_LAMBERT, ET_GRS_1980, "-105D30", "39D20", "40D47", "39D43", nullptr, nullptr, 0,
     914401.8289, 304800.6096}, // 24 Colorado North (EPSG:26953)
    {PT_LAMBERT, ET_GRS_1980, "-105D30", "37D50", "39D45", "38D27", nullptr, nullptr, 0,
     914401.8289, 304800.6096}, // 25 Colorado Central (EPSG:26954)
    {PT_LAMBERT, ET_GRS_1980, "-105D30", "36D40", "38D26", "37D14", nullptr, nullptr, 0,
     914401.8289, 304800.6096}, // 26 Colorado South (EPSG:26955)
    {PT_LAMBERT, ET_GRS_1980, "-72D45", "40D50", "41D52", "41D12", nullptr, nullptr, 0, 304800.6096,
     152400.3048}, // 27 Connecticut (EPSG:26956)
    {PT_UTM, ET_GRS_1980, "-75D25", "38", nullptr, nullptr, nullptr, nullptr, 0.999995, 200000.0,
     0}, // 28 Deleware (EPSG:26957)
    {PT_LAMBERT, ET_GRS_1980, "-84D30", "29", "30D45", "29D35", nullptr, nullptr, 0, 600000.0,
     0}, // 29 Florida North (EPSG:26960)
    {PT_UTM, ET_GRS_1980, "-81", "24D20", nullptr, nullptr, nullptr, nullptr, 0.999941177, 200000.0,
     0}, // 30 Florida East (EPSG:26958)
    {PT_UTM, ET_GRS_1980, "-82", "24D20", nullptr, nullptr, nullptr, nullptr, 0.999941177, 200000.0,
     0}, // 31 Florida West (EPSG:26959)
    {PT_UTM, ET_GRS_1980, "-82D10", "30", nullptr, nullptr, nullptr, nullptr, 0.9999, 200000.0,
     0}, // 32 Georgia East (EPSG:26966)
    {PT_UTM, ET_GRS_1980, "-84D10", "30", nullptr, nullptr, nullptr, nullptr, 0.9999, 700000.0,
     0}, // 33 Georgia West (EPSG:26967)
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 34 Guam Island: none
    {PT_UTM, ET_GRS_1980, "-155D30", "18D50", nullptr, nullptr, nullptr, nullptr, 0.999966667,
     500000.0, 0}, // 35 Hawaii 1 (EPSG:26961)
    {PT_UTM, ET_GRS_1980, "-156D40", "20D20", nullptr, nullptr, nullptr, nullptr, 0.999966667,
     500000.0, 0}, // 36 Hawaii 2 (EPSG:26962)
    {PT_UTM, ET_GRS_1980, "-158", "21D10", nullptr, nullptr, nullptr, nullptr, 0.99999, 500000.0,
     0}, // 37 Hawaii 3 (EPSG:26963)
    {PT_UTM, ET_GRS_1980, "-159D30", "21D50", nullptr, nullptr, nullptr, nullptr, 0.99999, 500000.0,
     0}, // 38 Hawaii 4 (EPSG:26964)
    {PT_UTM, ET_GRS_1980, "-160D10", "21D40", nullptr, nullptr, nullptr, nullptr, 1.0, 500000.0,
     0}, // 39 Hawaii 5 (EPSG:26965)
    {PT_UTM, ET_GRS_1980, "-112D10", "41D40", nullptr, nullptr, nullptr, nullptr, 0.999947368,
     200000.0, 0}, // 40 Idaho East (EPSG:26968)
    {PT_UTM, ET_GRS_1980, "-114", "41D40", nullptr, nullptr, nullptr, nullptr, 0.999947368,
     500000.0, 0}, // 41 Idaho Central (EPSG:26969)
    {PT_UTM, ET_GRS_1980, "-115D45", "41D40", nullptr, nullptr, nullptr, nullptr, 0.999933333,
     800000.0, 0}, // 42 Idaho West (EPSG:26970)
    {PT_UTM, ET_GRS_1980, "-88D20", "36D40", nullptr, nullptr, nullptr, nullptr, 0.999975, 300000.0,
     0}, // 43 Illinois East (EPSG:26971)
    {PT_UTM, ET_GRS_1980, "-90D10", "36D40", nullptr, nullptr, nullptr, nullptr, 0.999941177,
     700000.0, 0}, // 44 Illinois West (EPSG:26972)
    {PT_UTM, ET_GRS_1980, "-85D40", "37D30", nullptr, nullptr, nullptr, nullptr, 0.999966667,
     100000.0, 250000.0}, // 45 Indiana East (EPSG:26973)
    {PT_UTM, ET_GRS_1980, "-87D05", "37D30", nullptr, nullptr, nullptr, nullptr, 0.999966667,
     900000.0, 250000.0}, // 46 Indiana West (EPSG:26974)
    {PT_LAMBERT, ET_GRS_1980, "-93D30", "41D30", "43D16", "42D04", nullptr, nullptr, 0, 1500000.0,
     1000000.0}, // 47 Iowa North (EPSG:26975)
    {PT_LAMBERT, ET_GRS_1980, "-93D30", "40", "41D47", "40D37", nullptr, nullptr, 0, 500000.0,
     0}, // 48 Iowa South (EPSG:26976)
    {PT_LAMBERT, ET_GRS_1980, "-98", "38D20", "39D47", "38D43", nullptr, nullptr, 0, 400000.0,
     0}, // 49 Kansas North (EPSG:26977)
    {PT_LAMBERT, ET_GRS_1980, "-98D30", "36D40", "38D34", "37D16", nullptr, nullptr, 0, 400000.0,
     400000.0}, // 50 Kansas South (EPSG:26978)
    {PT_LAMBERT, ET_GRS_1980, "-84D15", "37D30", "38D58", "37D58", nullptr, nullptr, 0, 500000.0,
     0}, // 51 Kentucky North (EPSG:2205)
    {PT_LAMBERT, ET_GRS_1980, "-85D45", "36D20", "37D56", "36D44", nullptr, nullptr, 0, 500000.0,
     500000.0}, // 52 Kentucky South (EPSG:26980)
    {PT_LAMBERT, ET_GRS_1980, "-92D30", "30D30", "32D40", "31D10", nullptr, nullptr, 0, 1000000.0,
     0}, // 53 Louisiana North (EPSG:26981)
    {PT_LAMBERT, ET_GRS_1980, "-91D20", "28D30", "30D42", "29D18", nullptr, nullptr, 0, 1000000.0,
     0}, // 54 Louisiana South (EPSG:26982)
    {PT_LAMBERT, ET_GRS_1980, "-91D20", "25D30", "27D50", "26D10", nullptr, nullptr, 0, 1000000.0,
     0}, // 55 Louisiana Offshore (EPSG:32199)
    {PT_UTM, ET_GRS_1980, "-68D30", "43D40", nullptr, nullptr, nullptr, nullptr, 0.9999, 300000.0,
     0}, // 56 Maine East (EPSG:26983)
    {PT_UTM, ET_GRS_1980, "-70D10", "42D50", nullptr, nullptr, nullptr, nullptr, 0.999966667,
     900000.0, 0}, // 57 Maine West (EPSG:26984)
    {PT_LAMBERT, ET_GRS_1980, "-77", "37D40", "39D27", "38D18", nullptr, nullptr, 0, 400000.0,
     0}, // 58 Maryland (EPSG:26985)
    {PT_LAMBERT, ET_GRS_1980, "-71D30", "41", "42D41", "41D43", nullptr, nullptr, 0, 200000.0,
     750000.0}, // 59 Massachusetts Mainland (EPSG:26986)
    {PT_LAMBERT, ET_GRS_1980, "-70D30", "41", "41D29", "41D17", nullptr, nullptr, 0, 500000.0,
     0}, // 60 Massachusetts Island (EPSG:26987)
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 61 Michigan East (old): none
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 62 Michigan Central (old): none
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 63 Michigan West (old): none
    {PT_LAMBERT, ET_GRS_1980, "-87", "44d47", "47d5", "45d29", nullptr, nullptr, 0, 8000000.0,
     0}, // 64 Michigan North (EPSG:26988)
    {PT_LAMBERT, ET_GRS_1980, "-84D22", "43D19", "45D42", "44D11", nullptr, nullptr, 0, 6000000.0,
     0}, // 65 Michigan Central (EPSG:26989)
    {PT_LAMBERT, ET_GRS_1980, "-84D22", "41D30", "43D40", "42D06", nullptr, nullptr, 0, 4000000.0,
     0}, // 66 Michigan South (EPSG:26990)
    {PT_LAMBERT, ET_GRS_1980, "-93D06", "46D30", "48D38", "47D02", nullptr, nullptr, 0, 800000.0,
     100000.0}, // 67 Minnesota North (EPSG:26991)
    {PT_LAMBERT, ET_GRS_1980, "-94D15", "45", "47D03", "45D37", nullptr, nullptr, 0, 800000.0,
     100000.0}, // 68 Minnesota Central (EPSG:26992)
    {PT_LAMBERT, ET_GRS_1980, "-94", "43", "45D13", "43D47", nullptr, nullptr, 0, 800000.0,
     100000.0}, // 69 Minnesota South (EPSG:26993)
    {PT_UTM, ET_GRS_1980, "-88D50", "29D30", nullptr, nullptr, nullptr, nullptr, 0.99995, 300000.0,
     0}, // 70 Missippippi East (EPSG:26994)
    {PT_UTM, ET_GRS_1980, "-90D20", "29D30", nullptr, nullptr, nullptr, nullptr, 0.99995, 700000.0,
     0}, // 71 Missippippi West (EPSG:26995)
    {PT_UTM, ET_GRS_1980, "-90D30", "35D50", nullptr, nullptr, nullptr, nullptr, 0.999933333,
     250000.0, 0}, // 72 Missouri East (EPSG:26996)
    {PT_UTM, ET_GRS_1980, "-92D30", "35D50", nullptr, nullptr, nullptr, nullptr, 0.999933333,
     500000.0, 0}, // 73 Missouri Central (EPSG:26997)
    {PT_UTM, ET_GRS_1980, "-94D30", "36D10", nullptr, nullptr, nullptr, nullptr, 0.999941177,
     850000.0, 0}, // 74 Missouri West (EPSG:26998)
    {PT_LAMBERT, ET_GRS_1980, "-109D30", "44D15", "49", "45", nullptr, nullptr, 0, 600000.0,
     0}, // 75 Montana (EPSG:32100)
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 76 Montana North: none
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 77 Montana Central: none
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 78 Montana South: none
    {PT_LAMBERT, ET_GRS_1980, "-100", "39D50", "43", "40", nullptr, nullptr, 0, 500000.0,
     0}, // 79 Nebraska (EPSG:32104)
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 80 Nebraska North: none
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 81 Nebraska South: none
    {PT_UTM, ET_GRS_1980, "-115D35", "34D45", nullptr, nullptr, nullptr, nullptr, 0.9999, 200000.0,
     8000000.0}, // 82 Nevada East (EPSG:32107)
    {PT_UTM, ET_GRS_1980, "-116D40", "34D45", nullptr, nullptr, nullptr, nullptr, 0.9999, 500000.0,
     6000000.0}, // 83 Nevada Central (EPSG:32108)
    {PT_UTM, ET_GRS_1980, "-118D35", "34D45", nullptr, nullptr, nullptr, nullptr, 0.9999, 800000.0,
     4000000.0}, // 84 Nevada West (EPSG:32109)
    {PT_UTM, ET_GRS_1980, "-71D40", "42D30", nullptr, nullptr, nullptr, nullptr, 0.999966667,
     300000.0, 0}, // 85 New Hampshire (EPSG:32110)
    {PT_UTM, ET_GRS_1980, "-74D30", "38D50", nullptr, nullptr, nullptr, nullptr, 0.9999, 150000.0,
     0}, // 86 New Jersey (EPSG:32111)
    {PT_UTM, ET_GRS_1980, "-104D20", "31", nullptr, nullptr, nullptr, nullptr, 0.999909091,
     165000.0, 0}, // 87 New Mexico East (EPSG:32112)
    {PT_UTM, ET_GRS_1980, "-106D15", "31", nullptr, nullptr, nullptr, nullptr, 0.9999, 500000.0,
     0}, // 88 New Mexico Central (EPSG:32113)
    {PT_UTM, ET_GRS_1980, "-107D50", "31", nullptr, nullptr, nullptr, nullptr, 0.999916667,
     830000.0, 0}, // 89 New Mexico West (EPSG:32114)
    {PT_UTM, ET_GRS_1980, "-74D30", "38D50", nullptr, nullptr, nullptr, nullptr, 0.9999, 150000.0,
     0}, // 90 New York East (EPSG:32115)
    {PT_UTM, ET_GRS_1980, "-76D35", "40", nullptr, nullptr, nullptr, nullptr, 0.9999375, 250000.0,
     0}, // 91 New York Central (EPSG:32116)
    {PT_UTM, ET_GRS_1980, "-78D35", "40", nullptr, nullptr, nullptr, nullptr, 0.9999375, 350000.0,
     0}, // 92 New York West (EPSG:32117)
    {PT_LAMBERT, ET_GRS_1980, "-74", "40D10", "41D02", "40D40", nullptr, nullptr, 0, 300000.0,
     0}, // 93 New York Long Island (EPSG:32118)
    {PT_LAMBERT, ET_GRS_1980, "-79", "33D45", "36D10", "34D20", nullptr, nullptr, 0, 609601.22,
     0}, // 94 North Carolina (EPSG:32119)
    {PT_LAMBERT, ET_GRS_1980, "-100D30", "47", "48D44", "47D26", nullptr, nullptr, 0, 600000.0,
     0}, // 95 North Dakota North (EPSG:32120)
    {PT_LAMBERT, ET_GRS_1980, "-100D30", "45D40", "47D29", "46D11", nullptr, nullptr, 0, 600000.0,
     0}, // 96 North Dakota South (EPSG:32121)
    {PT_LAMBERT, ET_GRS_1980, "-82D30", "39D40", "41D42", "40D26", nullptr, nullptr, 0, 600000.0,
     0}, // 97 Ohio North (EPSG:32122)
    {PT_LAMBERT, ET_GRS_1980, "-82D30", "38", "40D02", "38D44", nullptr, nullptr, 0, 600000.0,
     0}, // 98 Ohio South (EPSG:32123)
    {PT_LAMBERT, ET_GRS_1980, "-98", "35", "36D46", "35D34", nullptr, nullptr, 0, 600000.0,
     0}, // 99 Oklahoma North (EPSG:32124)
    {PT_LAMBERT, ET_GRS_1980, "-98", "33D20", "35D14", "33D56", nullptr, nullptr, 0, 600000.0,
     0}, // 100 Oklahoma South (EPSG:32125)
    {PT_LAMBERT, ET_GRS_1980, "-120D30", "43D40", "46", "44D20", nullptr, nullptr, 0, 2500000.0,
     0}, // 101 Oregon North (EPSG:32126)
    {PT_LAMBERT, ET_GRS_1980, "-120D30", "41D40", "44", "42D20", nullptr, nullptr, 0, 1500000.0,
     0}, // 102 Oregon South (EPSG:32127)
    {PT_LAMBERT, ET_GRS_1980, "-77D45", "40D10", "41D57", "40D53", nullptr, nullptr, 0, 600000.0,
     0}, // 103 Pennsylvania North (EPSG:32128)
    {PT_LAMBERT, ET_GRS_1980, "-77D45", "39D20", "40D58", "39D56", nullptr, nullptr, 0, 600000.0,
     0}, // 104 Pennsylvania South (EPSG:32129)
    {PT_LAMBERT, ET_GRS_1980, "-66D26", "17D50", "18D26", "18D02", nullptr, nullptr, 0, 200000.0,
     200000.0}, // 105 Puerto Rico and Virgin Islands (1983) (EPSG:32161)
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 106 Puerto Rico and Virgin Islands (1927): none
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 107 Virgin Islands St. Croix (1927): none
    {PT_UTM, ET_GRS_1980, "-71D30", "41D05", nullptr, nullptr, nullptr, nullptr, 0.99999375,
     100000.0, 0}, // 108 Rhode Island (EPSG:32130)
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 109 American Samoa: none
    {PT_LAMBERT, ET_GRS_1980, "-81", "31D50", "34D50", "32D30", nullptr, nullptr, 0, 609600.0,
     0}, // 110 South Carolina (EPSG:32133)
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 111 South Carolina North: none
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 112 South Carolina South: none
    {PT_LAMBERT, ET_GRS_1980, "-100", "43D50", "45D41", "44D25", nullptr, nullptr, 0, 600000.0,
     0}, // 113 South Dakota North (EPSG:32134)
    {PT_LAMBERT, ET_GRS_1980, "-100D20", "42D20", "44D24", "42D50", nullptr, nullptr, 0, 600000.0,
     0}, // 114 South Dakota South (EPSG:32135)
    {PT_LAMBERT, ET_GRS_1980, "-86", "34D20", "36D25", "35D15", nullptr, nullptr, 0, 600000.0,
     0}, // 115 Tennessee (EPSG:32136)
    {PT_LAMBERT, ET_GRS_1980, "-101D30", "34", "36D11", "34D39", nullptr, nullptr, 0, 200000.0,
     1000000.0}, // 116 Texas North (EPSG:32137)
    {PT_LAMBERT, ET_GRS_1980, "-98D30", "31D40", "33D58", "32D08", nullptr, nullptr, 0, 600000.0,
     2000000.0}, // 117 Texas North Central (EPSG:32138)
    {PT_LAMBERT, ET_GRS_1980, "-100D20", "29D40", "31D53", "30D07", nullptr, nullptr, 0, 700000.0,
     3000000.0}, // 118 Texas Central (EPSG:32139)
    {PT_LAMBERT, ET_GRS_1980, "-99", "27D50", "30D17", "28D23", nullptr, nullptr, 0, 600000.0,
     4000000.0}, // 119 Texas South Central (EPSG:32140)
    {PT_LAMBERT, ET_GRS_1980, "-98D30", "25D40", "27D50", "26D10", nullptr, nullptr, 0, 300000.0,
     5000000.0}, // 120 Texas South (EPSG:32141)
    {PT_LAMBERT, ET_GRS_1980, "-111D30", "40D20", "41D47", "40D43", nullptr, nullptr, 0, 500000.0,
     1000000.0}, // 121 Utah North (EPSG:32142)
    {PT_LAMBERT, ET_GRS_1980, "-111D30", "38D20", "40D39", "39D01", nullptr, nullptr, 0, 500000.0,
     2000000.0}, // 122 Utah Central (EPSG:32143)
    {PT_LAMBERT, ET_GRS_1980, "-111D30", "36D40", "38D21", "37D13", nullptr, nullptr, 0, 500000.0,
     3000000.0}, // 123 Utah South (EPSG:32144)
    {PT_UTM, ET_GRS_1980, "-72D30", "42D30", nullptr, nullptr, nullptr, nullptr, 0.999964286,
     500000.0, 0}, // 124 Vermont (EPSG:32145)
    {PT_LAMBERT, ET_GRS_1980, "-78D30", "37D40", "39D12", "38D02", nullptr, nullptr, 0, 3500000.0,
     2000000.0}, // 125 Virginia North (EPSG:32146)
    {PT_LAMBERT, ET_GRS_1980, "-78D30", "36D20", "37D58", "36D46", nullptr, nullptr, 0, 3500000.0,
     1000000.0}, // 126 Virginia South (EPSG:32147)
    {PT_LAMBERT, ET_GRS_1980, "-120D50", "47", "48D44", "47D30", nullptr, nullptr, 0, 500000.0,
     0}, // 127 Washington North (EPSG:32148)
    {PT_LAMBERT, ET_GRS_1980, "-120D30", "45D20", "47D20", "45D50", nullptr, nullptr, 0, 500000.0,
     0}, // 128 Washington South (EPSG:32149)
    {PT_LAMBERT, ET_GRS_1980, "-79D30", "38D30", "40D15", "39", nullptr, nullptr, 0, 600000.0,
     0}, // 129 West Virginia North (EPSG:32150)
    {PT_LAMBERT, ET_GRS_1980, "-81", "37", "38D53", "37D29", nullptr, nullptr, 0, 600000.0,
     0}, // 130 West Virginia South (EPSG:32151)
    {PT_LAMBERT, ET_GRS_1980, "-90", "45D10", "46D46", "45D34", nullptr, nullptr, 0, 600000.0,
     0}, // 131 Wisconsin North (EPSG:32152)
    {PT_LAMBERT, ET_GRS_1980, "-90", "43D50", "45D30", "44D15", nullptr, nullptr, 0, 600000.0,
     0}, // 132 Wisconsin Central (EPSG:32153)
    {PT_LAMBERT, ET_GRS_1980, "-90", "42", "44D04", "42D44", nullptr, nullptr, 0, 600000.0,
     0}, // 133 Wisconsin South (EPSG:32154)
    {PT_UTM, ET_GRS_1980, "-105D10", "40D30", nullptr, nullptr, nullptr, nullptr, 0.9999375,
     200000.0, 0}, // 134 Wyoming East (EPSG:32155)
    {PT_UTM, ET_GRS_1980, "-107D20", "40D30", nullptr, nullptr, nullptr, nullptr, 0.9999375,
     400000.0, 100000.0}, // 135 Wyoming East Central (EPSG:32156)
    {PT_UTM, ET_GRS_1980, "-108D45", "40D30", nullptr, nullptr, nullptr, nullptr, 0.9999375,
     600000.0, 0}, // 136 Wyoming Central (EPSG:32157)
    {PT_UTM, ET_GRS_1980, "-110D05", "40D30", nullptr, nullptr, nullptr, nullptr, 0.9999375,
     800000.0, 100000.0}, // 137 Wyoming West (EPSG:32158)
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 138 Great Lakes Survey 1: no published definition
    {PT_HOTINE, ET_CLARKE_1866, nullptr, "350d37", "43", nullptr, "82d30", nullptr, 0.9999,
     1200000.0, -3500000.0}, // 139 Great Lakes Survey 2 (no EPSG code; as originally defined)
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 140 Great Lakes Survey 3: no published definition
    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
     0}, // 141 Great Lakes Survey 4: no published definition
};

} // namespace QVProj
