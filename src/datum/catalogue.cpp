// The built-in datum catalogue and its lookups.
#include "datum/catalogue.h"

#include <cstring>

#include "frame/text.h"
#include "datum/legs.h"

namespace QVProj {
namespace {

// Rows in stored order: 1 to 223, then 236, 234, 235, then 224 to 233, then
// the end row. Columns: datum, name, method, ellipsoid, dX, dY, dZ, rX, rY,
// rZ, scale, prime meridian.
constexpr DatumRow kDatums[] = {
    {1, "North American Datum 1983", 3, 3, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {2, "North American Datum 1927", 3, 15, -8.0, 160.0, 176.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {3, "World Geodetic System 1984", 3, 47, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {4, "World Geodetic System 1972", 3, 46, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {5, "European 1950 - Mean", 3, 34, -87.0, -98.0, -121.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {6, "South American 1969", 3, 10, -57.0, 1.0, -41.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {7, "Tokyo", 3, 12, -148.0, 507.0, 685.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {8, "Adindan - Mean", 3, 16, -166.0, -15.0, 204.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {9, "Adindan - Burkina Faso", 3, 16, -118.0, -14.0, 218.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {10, "Adindan - Cameroon", 3, 16, -134.0, -2.0, 210.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {11, "Adindan - Ethiopia", 3, 16, -165.0, -11.0, 206.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {12, "Adindan - Mali", 3, 16, -123.0, -20.0, 220.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {13, "Adindan - Senegal", 3, 16, -128.0, -18.0, 224.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {14, "Adindan - Sudan", 3, 16, -161.0, -14.0, 205.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {15, "Afgooye - Somalia", 3, 35, -43.0, -163.0, 45.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {16, "Ain El Abd - Bahrain Island", 3, 34, -150.0, -250.0, -1.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {17, "Ain El Abd - Saudi Arabia", 3, 34, -143.0, -236.0, 7.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {18, "Anna 1 Astro 1965", 3, 10, -491.0, -22.0, 435.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {19, "American Samoa Islands - 1962", 3, 15, -115.0, 118.0, 426.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {20, "Antigua Island Astro 1943", 3, 16, -270.0, 13.0, 62.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {21, "Arc 1950 - Mean", 3, 16, -143.0, -90.0, -294.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {22, "Arc 1950 - Botswana", 3, 16, -138.0, -105.0, -289.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {23, "Arc 1950 - Burundi", 3, 16, -153.0, -5.0, -292.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {24, "Arc 1950 - Lesotho", 3, 16, -125.0, -108.0, -295.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {25, "Arc 1950 - Malawi", 3, 16, -161.0, -73.0, -317.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {26, "Arc 1950 - Swaziland", 3, 16, -134.0, -105.0, -295.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {27, "Arc 1950 - Zaire", 3, 16, -169.0, -19.0, -278.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {28, "Arc 1950 - Zambia", 3, 16, -147.0, -74.0, -283.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {29, "Arc 1950 - Zimbabwe", 3, 16, -142.0, -96.0, -293.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {30, "Arc 1960 - Mean", 3, 16, -160.0, -6.0, -302.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {31, "Ascension Island 1958", 3, 34, -205.0, 107.0, 53.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {32, "Astro Beacon 'E' 1945", 3, 34, 145.0, 75.0, 272.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {33, "Astro B4 Sorol Atoll", 3, 34, 114.0, -116.0, -333.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {34, "Astro Dos 71/4", 3, 34, -320.0, 550.0, -494.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {35, "Astro Tern Island 1961", 3, 34, 114.0, -116.0, -333.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {36, "Astronomic Station 1952", 3, 34, 124.0, -234.0, -25.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {37, "Australian Geodetic 1966", 3, 10, -133.0, -48.0, 148.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {38, "Australian Geodetic 1984", 3, 10, -134.0, -48.0, 149.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {39, "Ayabelle Lighthouse", 3, 16, -79.0, -129.0, 145.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {40, "Belgium", 3, 34, 81.0, 120.0, 129.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {41, "Bellevue", 3, 34, -127.0, -769.0, 472.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {42, "Bermuda 1957", 3, 15, -73.0, 213.0, 296.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {43, "Bissau", 3, 34, -173.0, 253.0, 27.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {44, "Bogota Observatory", 3, 34, 307.0, 304.0, -318.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {45, "Bukit Rimpah - Bangka & Belitung Is.", 3, 12, -384.0, 664.0, -48.0, 0.0, 0.0, 0.0, 0.0,
     0.0},
    {46, "Camp Area Astro - Antarctica", 3, 34, -104.0, -129.0, 239.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {47, "Campo Inchausepe - Argentina", 3, 34, -148.0, 136.0, 90.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {48, "Canton Astro 1966", 3, 34, 298.0, -304.0, -375.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {49, "Cape", 3, 16, -136.0, -108.0, -292.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {50, "Cape Canaveral", 3, 15, -2.0, 151.0, 181.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {51, "Carthage - Tunisia", 3, 16, -263.0, 6.0, 431.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {52, "Chatham 1971", 3, 34, 175.0, -38.0, 113.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {53, "Chua Astro", 3, 34, -134.0, 229.0, -29.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {54, "Corrego Alegre - Brazil", 3, 34, -206.0, 172.0, -6.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {55, "Czechoslovakia - Before 1993", 3, 12, 589.0, 76.0, 480.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {56, "Dabola", 3, 16, -83.0, 37.0, 124.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {57, "Deception Island - Antarctica", 3, 16, 260.0, 12.0, -147.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {58, "Djakarta - Sumatra", 3, 12, -377.0, 681.0, -50.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {59, "DLx Portugal", 3, 34, -303.0, -62.0, 105.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {60, "D73 Portugal", 3, 34, -223.0, 110.0, 37.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {61, "Dos 1968", 3, 34, 230.0, -199.0, -752.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {62, "Easter Island 1967", 3, 34, 211.0, 147.0, 111.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {63, "Fahud", 3, 16, -346.0, -1.0, -224.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {64, "European 1950 - W. Europe", 3, 34, -87.0, -96.0, -120.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {65, "European 1950 - UK/Ireland", 3, 34, -86.0, -96.0, -120.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {66, "European 1950 - UK Only", 3, 34, -86.0, -96.0, -120.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {67, "European 1950 - Cyprus", 3, 34, -104.0, -101.0, -140.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {68, "European 1950 - Egypt", 3, 34, -130.0, -117.0, -151.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {69, "European 1950 - Iraq Israel Jordan etc.", 3, 34, -103.0, -106.0, -141.0, 0.0, 0.0, 0.0,
     0.0, 0.0},
    {70, "European 1950 - Iran", 3, 34, -117.0, -132.0, -164.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {71, "European 1950 - Greece", 3, 34, -84.0, -95.0, -130.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {72, "European 1950 - Sardinia", 3, 34, -97.0, -103.0, -120.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {73, "European 1950 - Sicily", 3, 34, -97.0, -88.0, -135.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {74, "European 1950 - Malta", 3, 34, -107.0, -88.0, -149.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {75, "European 1950 - Norway/Finland", 3, 34, -87.0, -95.0, -120.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {76, "European 1950 - Port./Spain", 3, 34, -84.0, -107.0, -120.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {77, "Eur. 1979 - Mean", 3, 34, -86.0, -98.0, -119.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {78, "European 1950 - Tunisia", 3, 34, -112.0, -77.0, -145.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {79, "Fort Thomas 1955", 3, 16, -7.0, -215.0, 225.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {80, "Gandajika  1970", 3, 34, -133.0, -321.0, 50.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {81, "Geodetic Datum 1949 - New Zealand", 3, 34, 84.0, -22.0, 209.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {82, "Graciosa Base SW 1948", 3, 34, -104.0, 167.0, -38.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {83, "Guam 1963", 3, 15, -99.0, -251.0, 258.1, 0.0, 0.0, 0.0, 0.0, 0.0},
    {84, "Gux 1 Astro", 3, 34, 252.0, -209.0, -751.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {85, "Gunung Segara - Kalimantan Indonesia", 3, 12, -403.0, 684.0, 41.0, 0.0, 0.0, 0.0, 0.0,
     0.0},
    {86, "Herat North - Afghanistan", 3, 34, -333.0, -222.0, 114.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {87, "Hjorsey 1955 - Iceland", 3, 34, -73.0, 46.0, -86.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {88, "Hong Kong 1963", 3, 34, -156.0, -271.0, -189.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {89, "Hu-tzu-shan", 3, 34, -637.0, -549.0, -203.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {90, "Indian - Pakistan", 3, 26, 283.0, 682.0, 231.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {91, "Indian - Bangladesh", 3, 20, 282.0, 726.0, 254.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {92, "Indian - India Nepal", 3, 22, 295.0, 736.0, 257.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {93, "Indian 1954", 3, 20, 218.0, 816.0, 297.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {94, "Indian 1954 Thailand", 3, 20, 217.0, 823.0, 299.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {95, "Indian 1960 - Vietnam", 3, 20, 198.0, 881.0, 317.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {96, "Indian 1960 - Con Son Island", 3, 20, 182.0, 915.0, 344.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {97, "Indian 1975 - Thailand", 3, 20, 209.0, 818.0, 290.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {98, "Indonesian 1974", 3, 32, -24.0, -15.0, 5.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {99, "Ireland 1965", 3, 8, 506.0, -122.0, 611.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {100, "Ists 061 Astro 1968", 3, 34, -794.0, 119.0, -298.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {101, "Ists 073 Astro 1969", 3, 34, 208.0, -435.0, -229.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {102, "Johnston Island 1961", 3, 34, 89.0, -79.0, -202.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {103, "Kandawala - Sri Lanka", 3, 20, -97.0, 787.0, 86.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {104, "Kerguelen Island 1949", 3, 34, 145.0, -187.0, 103.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {105, "Kertau 1948 - West Malaysia & Singapore", 3, 21, -11.0, 851.0, 5.0, 0.0, 0.0, 0.0, 0.0,
     0.0},
    {106, "Kusaie Astro 1951", 3, 34, 647.0, 1777.0, -1124.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {107, "L.C. 5 Astro 1961", 3, 15, 42.0, 124.0, 147.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {108, "Leigon", 3, 16, -130.0, 29.0, 364.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {109, "Liberia 1964", 3, 16, -90.0, 40.0, 88.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {110, "Luzon - Philippines, exept Mindanao Island", 3, 15, -133.0, -77.0, -51.0, 0.0, 0.0, 0.0,
     0.0, 0.0},
    {111, "Luzon - Mindanao Island", 3, 15, -133.0, -79.0, -72.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {112, "Mahe 1971", 3, 16, 41.0, -220.0, -134.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {113, "Marco Astro", 3, 34, -289.0, -124.0, 60.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {114, "Massawa - Eritrea", 3, 12, 639.0, 405.0, 60.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {115, "Merchich - Morocco", 3, 16, 31.0, 146.0, 47.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {116, "Midway Astro 1961", 3, 34, 912.0, -58.0, 1227.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {117, "Minna - Nigeria", 3, 16, -92.0, -93.0, 122.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {118, "Minna - Cameroon", 3, 16, -81.0, -84.0, 115.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {119, "Montserrat Island Astro 1958", 3, 16, 174.0, 359.0, 365.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {120, "Nahrwan - Masirah Island", 3, 16, -247.0, -148.0, 369.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {121, "Nahrwan - U. Arab Emer.", 3, 16, -249.0, -156.0, 381.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {122, "Nahrwan - Saudi Arabia", 3, 16, -243.0, -192.0, 477.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {123, "Naparima BWI", 3, 34, -10.0, 375.0, 165.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {124, "NAD 1927 - CONUS", 3, 15, -8.0, 160.0, 176.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {125, "NAD 1927 - Western US", 3, 15, -8.0, 159.0, 175.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {126, "NAD 1927 - Eastern US", 3, 15, -9.0, 161.0, 179.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {127, "NAD 1927 - Alaska", 3, 15, -5.0, 135.0, 172.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {128, "NAD 1927 - East of 180W - Aleutians", 3, 15, -2.0, 152.0, 149.0, 0.0, 0.0, 0.0, 0.0,
     0.0},
    {129, "NAD 1927 - West of 180W - Aleutians", 3, 15, 2.0, 204.0, 105.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {130, "NAD 1927 - Aleutian Islands", 3, 15, -2.0, 0.0, 4.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {131, "NAD 1927 - Bahamas", 3, 15, -4.0, 154.0, 178.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {132, "NAD 1927 - Canada - Mean", 3, 15, -10.0, 158.0, 187.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {133, "NAD 1927 - Canada - Alb/BC", 3, 15, -7.0, 162.0, 188.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {134, "NAD 1927 - Canada - Eastern", 3, 15, -22.0, 160.0, 190.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {135, "NAD 1927 - Canada - Man/Ont", 3, 15, -9.0, 157.0, 184.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {136, "NAD 1927 - Canada - NW/Sas.", 3, 15, 4.0, 159.0, 188.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {137, "NAD 1927 - Canada - Yukon", 3, 15, -7.0, 139.0, 181.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {138, "NAD 1927 - Canal Zone", 3, 15, 0.0, 125.0, 201.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {139, "NAD 1927 - Caribbean", 3, 15, -3.0, 143.0, 183.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {140, "NAD 1927 - Central America", 3, 15, 0.0, 125.0, 194.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {141, "NAD 1927 - Cuba", 3, 15, -9.0, 152.0, 178.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {142, "NAD 1927 - Greenland", 3, 15, 11.0, 114.0, 195.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {143, "NAD 1927 - Hawaii", 3, 15, 1.0, 1.0, -1.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {144, "NAD 1927 - Mexico", 3, 15, -12.0, 130.0, 190.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {145, "NAD 1927 - San Salvador Island", 3, 15, 1.0, 140.0, 165.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {146, "Netherlands", 3, 12, 593.0, 26.0, 478.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {147, "NTF France - Paris Meridian", 3, 34, -83.0, -96.0, -113.0, 0.0, 0.0, 0.0, 0.0,
     2.33722916666667},
    {148, "NTF France - Greenwich Meridian", 3, 16, -168.0, -60.0, 320.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {149, "Observatorio 1939", 3, 34, -425.0, -169.0, 81.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {150, "Old Egyptian 1907 - Egypt", 3, 30, -130.0, 110.0, -13.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {151, "Old Hawaiian - Mean", 3, 15, 61.0, -285.0, -181.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {152, "Old Hawaiian - Hawaii", 3, 15, 89.0, -279.0, -183.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {153, "Old Hawaiian - Kauai", 3, 15, 45.0, -290.0, -172.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {154, "Old Hawaiian - Maui", 3, 15, 65.0, -290.0, -190.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {155, "Old Hawaiian - Oahu", 3, 15, 58.0, -283.0, -182.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {156, "Oman", 3, 16, -346.0, -1.0, 224.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {157, "Ord. Surv. of Gr. Br. 1936", 3, 5, 375.0, -111.0, 431.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {158, "Ord. Surv. 1936 - Scotland-Shetland", 3, 5, 384.0, -111.0, 425.0, 0.0, 0.0, 0.0, 0.0,
     0.0},
    {159, "Ord. Surv. 1936 - Wales", 3, 5, 370.0, -108.0, 434.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {160, "Pico De Las Nieves", 3, 34, -307.0, -92.0, 127.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {161, "Pitcairn Astro 1967", 3, 34, -185.0, 165.0, 42.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {162, "Porto Santo 1936", 3, 34, -499.0, -249.0, 314.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {163, "Point 58", 3, 16, -106.0, -129.0, 165.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {164, "Pointe Noire 1948", 3, 16, -148.0, 51.0, -291.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {165, "Prov. S.A. 1956 - Mean", 3, 34, -288.0, 175.0, -376.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {166, "Prov. S.A. 1956 - Bolivia", 3, 34, -270.0, 188.0, -388.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {167, "Prov. S.A. 1956 - N. Chile", 3, 34, -270.0, 183.0, -390.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {168, "Prov. S.A. 1956 - S. Chile", 3, 34, -305.0, 243.0, -442.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {169, "Prov. S.A. 1956 - Colombia", 3, 34, -282.0, 169.0, -371.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {170, "Prov. S.A. 1956 - Ecuador", 3, 34, -278.0, 171.0, -367.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {171, "Prov. S.A. 1956 - Guyana", 3, 34, -298.0, 159.0, -369.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {172, "Prov. S.A. 1956 - Peru", 3, 34, -279.0, 175.0, -379.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {173, "Prov. S.A. 1956 - Venez.", 3, 34, -295.0, 173.0, -371.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {174, "Prov. So. Chilean 1963", 3, 34, 16.0, 196.0, 93.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {175, "Puerto Rico", 3, 15, 11.0, 72.0, -101.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {176, "Pulkovo 1942 - Hungary", 3, 35, 28.0, -130.0, -95.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {177, "Qatar National", 3, 34, -128.0, -283.0, 22.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {178, "Qornoq", 3, 34, 164.0, 138.0, -189.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {179, "Reunion", 3, 34, 94.0, -948.0, -1262.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {180, "Rome 1940", 3, 34, -225.0, -65.0, 9.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {181, "Santo DOS 1965", 3, 34, 170.0, 42.0, 84.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {182, "Sao Braz", 3, 34, -203.0, 141.0, 53.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {183, "Sapper Hill 1943", 3, 34, -355.0, 21.0, 72.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {184, "Schwarzeck", 3, 13, 616.0, 97.0, -251.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {185, "Selvagem Grande 1938", 3, 34, -289.0, -124.0, 60.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {186, "So. Amer. 1969 - Mean", 3, 10, -57.0, 1.0, -41.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {187, "So. Amer. 1969 - Argentina", 3, 10, -62.0, -1.0, -37.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {188, "So. Amer. 1969 - Bolivia", 3, 10, -61.0, 2.0, -48.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {189, "So. Amer. 1969 - Brazil", 3, 10, -60.0, -2.0, -41.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {190, "So. Amer. 1969 - Chile", 3, 10, -75.0, -1.0, -44.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {191, "So. Amer. 1969 - Colombia", 3, 10, -44.0, 6.0, -36.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {192, "So. Amer. 1969 - Ecuador", 3, 10, -48.0, 3.0, -44.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {193, "So. Amer. 1969 - Baltra", 3, 10, -47.0, 26.0, -42.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {194, "So. Amer. 1969 - Guyana", 3, 10, -53.0, 3.0, -47.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {195, "So. Amer. 1969 - Paraguay", 3, 10, -61.0, 2.0, -33.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {196, "So. Amer. 1969 - Peru", 3, 10, -58.0, 0.0, -44.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {197, "So. Amer. 1969 - Trinidad", 3, 10, -45.0, 12.0, -33.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {198, "So. Amer. 1969 - Venezuela", 3, 10, -45.0, 8.0, -33.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {199, "South Asia", 3, 28, 7.0, -10.0, -26.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {200, "Southeast Base", 3, 34, -499.0, -249.0, 314.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {201, "Southwest Base - Azores", 3, 34, -104.0, 167.0, -38.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {202, "Tananarive Observatory 1925 - Madagascar", 3, 34, -189.0, -242.0, -91.0, 0.0, 0.0, 0.0,
     0.0, 0.0},
    {203, "Timbalai 1948 - Brunei", 3, 24, -689.0, 691.0, -46.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {204, "Tokyo - Mean", 3, 12, -148.0, 507.0, 685.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {205, "Tokyo - Japan", 3, 12, -148.0, 507.0, 685.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {206, "Tokyo - Korea", 3, 12, -146.0, 507.0, 687.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {207, "Tokyo - Okinawa", 3, 12, -158.0, 507.0, 676.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {208, "Tokyo - South Korea", 3, 12, -146.0, 507.0, 687.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {209, "Tristan Astro 1968", 3, 34, -632.0, 438.0, -609.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {210, "Viti Levu 1916", 3, 16, 51.0, 391.0, -36.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {211, "Wake-Eniwetok 1960", 3, 31, 102.0, 52.0, -38.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {212, "Wake Island Astro 1952", 3, 34, 276.0, -57.0, 149.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {213, "Yacare - Uruguay", 3, 34, -155.0, 171.0, 37.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {214, "Zanderij - Suriname", 3, 34, -265.0, 120.0, -358.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {215, "World Geodetic System 1972 (Bursa-Wolf)", 2, 46, 0.0, 0.0, 4.5, 0.0, 0.0, 0.554, 1.0,
     0.0},
    {216, "DHDN-1 (Bursa-Wolf)", 2, 14, 591.0, 73.0, 410.0, 0.26, 0.05, -2.43, 8.5, 0.0},
    {217, "DHDN (Bursa-Wolf)", 2, 14, 582.0, 105.0, 414.0, 1.04, 0.35, -3.08, 8.3, 0.0},
    {218, "Australian Geodetic 1984 (Bursa-Wolf)", 2, 10, -116.0, -50.47, 141.69, 0.23, 0.39, 0.344,
     0.098, 0.0},
    {219, "ANS84 (Bursa-Wolf)", 2, 10, -116.0, -50.47, 141.69, 0.23, 0.39, 0.344, 0.0983, 0.0},
    {220, "MRT - Everest Modified (Bursa-Wolf)", 2, 21, 379.776, -775.3837, 86.6093, 2.59671,
     2.10214, -12.11379, 0.0, 0.0},
    {221, "Switzerland - CH1903 (Bursa-Wolf)", 2, 12, 660.077, 13.551, 369.344, -0.804816,
     -0.577692, -0.952236, 5.66, 0.0},
    {222, "NTF France - Paris Meridian (Bursa-Wolf)", 2, 16, -168.0, -60.0, 320.0, 0.0, 0.0, 0.0,
     0.0, 2.33722916666667},
    {223, "Pulkovo 1942 (Bursa-Wolf)", 2, 35, 27.0, -135.0, -84.5, 0.0, 0.0, 0.554, 0.2263, 0.0},
    {236, "Pulkovo 1942 - Hungary (Bursa-Wolf)", 2, 35, 24.0, -123.0, -94.0, 0.02, -0.25, 0.13, 1.1,
     0.0},
    {234, "Krassovski 1940 - Estonia (Bursa-Wolf)", 2, 35, 21.53219, -97.54127, -60.92546, -1.01378,
     -0.58117, -0.2348, -4.6121, 0.0},
    {235, "EUREF-89/GRS-80 (Bursa-Wolf)", 2, 3, 0.055, -0.541, -0.185, -0.0183, 0.0003, 0.007,
     -0.014, 0.0},
    {224, "Australian Geodetic 1966 (MRE)", 5, 50, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {225, "Australian Geodetic 1984 (MRE)", 5, 50, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {226, "Campo Inchausepe - Argentina (MRE)", 5, 50, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {227, "Corrego Alegre - Brazil (MRE)", 5, 50, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {228, "European 1950 (MRE)", 5, 50, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {229, "NAD 1927 - CONUS (MRE)", 5, 50, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {230, "NAD 1927 - Canada (MRE)", 5, 50, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {231, "South American 1969 (MRE)", 5, 50, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {232, "NAD 1927 - CONUS (NADCON)", 1, 50, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {233, "NAD 1927 - Puerto Rico & Virgin Islands (NADCON)", 1, 50, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0,
     0.0, 0.0},
    {237, "null", 6, 50, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
};

constexpr int kNumRows = static_cast<int>(sizeof(kDatums) / sizeof(kDatums[0]));
static_assert(kNumRows == 237, "236 datums and the end row");

constexpr int CountMethod(int method) {
    int n = 0;
    for (const DatumRow& r : kDatums) n += r.method == method ? 1 : 0;
    return n;
}
static_assert(CountMethod(DatMethodMolodensky) == 214, "214 Molodensky datums");
static_assert(CountMethod(DatMethodBursaWolf) == 12, "12 Bursa-Wolf datums");
static_assert(CountMethod(DatMethodMRE) == 8, "8 regression datums");
static_assert(CountMethod(DatMethodNadcon) == 2, "2 NADCON datums");

constexpr bool EveryDatumOnce() {
    for (int d = 1; d <= DatLastCatalogue; ++d) {
        int n = 0;
        for (const DatumRow& r : kDatums) n += r.datum == d ? 1 : 0;
        if (n != 1) return false;
    }
    return kDatums[kNumRows - 1].datum == DatNone;
}
static_assert(EveryDatumOnce(), "each datum 1 to 236 has exactly one row");

} // namespace

const DatumRow* FindDatumRow(int datum) {
    for (const DatumRow* r = kDatums; r->datum != DatNone; ++r)
        if (r->datum == datum) return r;
    return nullptr;
}

const DatumRow* DatumRows(int* pCount) {
    if (pCount) *pCount = kNumRows;
    return kDatums;
}

bool CopyDatumRow(int datum, DATUM2WGS84* pParams, bool destination) {
    const DatumRow* r = FindDatumRow(datum);
    if (r == nullptr || pParams == nullptr) return false;
    if (destination && (r->method == DatMethodNadcon || r->method == DatMethodMRE)) return false;
    pParams->Method = static_cast<DatumMethod>(r->method);
    pParams->bInverse = false;
    pParams->Ellipsoid = static_cast<EllipsoidType>(r->ellipsoid);
    pParams->PrimeMeridian = r->primeMeridian;
    pParams->dX = r->dX;
    pParams->dY = r->dY;
    pParams->dZ = r->dZ;
    pParams->rX = r->rX;
    pParams->rY = r->rY;
    pParams->rZ = r->rZ;
    pParams->Scale = r->scale;
    return true;
}

int DatNumDatums() {
    return DatNone;
}

void DatGetDatumName(DatumType datum, char* pName) {
    if (pName == nullptr) return;
    pName[0] = '\0';
    if (datum == DatUserDefined) {
        CopyText(pName, DATUM_NAME_BUFSIZE, "User Defined");
        return;
    }
    if (const DatumRow* r = FindDatumRow(datum)) CopyText(pName, DATUM_NAME_BUFSIZE, r->name);
}

bool DatGetDatumFromName(DatumType* pOut, const char* pName) {
    if (pOut == nullptr || pName == nullptr) return false;
    if (EqualsIgnoreCase(pName, "User Defined")) {
        *pOut = DatUserDefined;
        return true;
    }
    for (const DatumRow* r = kDatums; r->datum != DatNone; ++r) {
        if (EqualsIgnoreCase(r->name, pName)) {
            *pOut = static_cast<DatumType>(r->datum);
            return true;
        }
    }
    return false;
}

bool DatGetDatumParams(DatumType datum, DATUM2WGS84* pParams) {
    if (pParams == nullptr || datum <= DatUserDefined || datum > DatLastCatalogue) return false;
    const DatumRow* r = FindDatumRow(datum);
    if (r == nullptr || r->method == DatMethodNadcon || r->method == DatMethodMRE) return false;
    CopyDatumRow(datum, pParams, false);
    SetEllipsoid(*pParams);
    return true;
}

bool DatGetDatumMethod(DatumType datum, DatumMethod* pMethod) {
    if (pMethod == nullptr || datum <= DatUserDefined || datum > DatLastCatalogue) return false;
    const DatumRow* r = FindDatumRow(datum);
    if (r == nullptr) return false;
    *pMethod = static_cast<DatumMethod>(r->method);
    return true;
}

bool DatReversible(DatumType datum) {
    if (datum == DatUserDefined) return false;
    const DatumRow* r = FindDatumRow(datum);
    return r != nullptr && DatMethodReversible(static_cast<DatumMethod>(r->method));
}

namespace {

// The methods: keyword of the custom datum section, and whether the method
// converts both ways (and so serves user-defined and custom datums).
struct MethodRow {
    DatumMethod method;
    const char* keyword;
    bool reversible;
};
constexpr MethodRow kMethods[] = {
    {DatMethodNone, "none", true},       {DatMethodNadcon, "nadcon", false},
    {DatMethodBursaWolf, "bursa", true}, {DatMethodMolodensky, "molodensky", true},
    {DatMethodMRE, "mre", false},
};

const MethodRow* FindMethod(DatumMethod method) {
    for (const MethodRow& m : kMethods)
        if (m.method == method) return &m;
    return nullptr;
}

} // namespace

const char* DatMethodKeyword(DatumMethod method) {
    const MethodRow* m = FindMethod(method);
    return m ? m->keyword : "";
}

bool DatMethodReversible(DatumMethod method) {
    const MethodRow* m = FindMethod(method);
    return m != nullptr && m->reversible;
}

} // namespace QVProj
