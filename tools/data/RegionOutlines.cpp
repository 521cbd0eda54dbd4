#include "RegionOutlines.h"

#include <QHash>

namespace RegionOutlines {

namespace {

// Borders two regions share, written once and walked both ways.

// Finland and Norway against Russia, north to south.
const Outline finnishBorder = {{31.2, 70.5}, {29, 69}, {28.5, 68}, {30, 67}, {29.5, 65}, {30.5, 64},
                               {31.5, 62.5}, {29, 61.2}, {27.8, 60.4}};

// Western Europe's east side, from the Gulf of Finland down the Baltic,
// Germany's and Austria's eastern borders and the Adriatic.
const Outline centralEuropeBorder = {
    {22.5, 59.8}, {21, 59.3}, {19.5, 57.8}, {16, 55.3}, {14.3, 54.2}, {14.2, 53}, {14.6, 52.6},
    {14.9, 51}, {14.3, 50.9}, {12.1, 50.3}, {13.8, 48.8}, {15, 49}, {16.9, 48.6}, {17.1, 48},
    {16.5, 47}, {16, 46.7}, {14.5, 46.4}, {13.7, 45.65}, {13.1, 45}, {14.5, 43.2}, {17, 41.5},
    {18.7, 40.2}};

// Greece's land borders, west to east.
const Outline greekBorder = {{20.0, 39.6}, {20.7, 40.1}, {21, 40.85}, {22.9, 41.35}, {24.5, 41.6}, {26.1, 41.7}};

// Turkey's European border and the Black Sea to Georgia.
const Outline blackSeaLine = {{26.6, 41.9}, {27.5, 42.0}, {28.0, 42.1}, {35, 42.3}, {40, 41.6}, {41.5, 41.5}};

// Russia against Kazakhstan, from the Caspian eastward to the Altai.
const Outline kazakhBorder = {
    {49.2, 46.4}, {46.7, 48.4}, {47.3, 49.9}, {48.8, 50.6}, {50.5, 51.6}, {53, 51.5}, {55.5, 50.6},
    {58.5, 50.8}, {61.4, 50.8}, {61, 52.5}, {61.2, 53.9}, {65, 54.6}, {69, 55.3}, {73.5, 54},
    {76.5, 54.2}, {78, 53.2}, {80, 51.2}, {83, 51}, {85, 49.3}, {87.3, 49.1}};

// Russia against Mongolia, China and North Korea, then out through the
// Sea of Japan and between Sakhalin and Hokkaido.
const Outline siberianBorder = {
    {88, 49.8}, {90, 50.4}, {92, 50.7}, {94.5, 50.1}, {97.5, 49.8}, {98, 52}, {102, 51.4},
    {104, 50.2}, {107, 50.3}, {108, 49.3}, {110, 49.2}, {114, 50.3}, {116.5, 49.9}, {119.5, 52.5},
    {120.5, 53.3}, {123, 53.5}, {127, 49.7}, {131, 47.7}, {135, 48.4}, {134, 47.3}, {133.2, 45.2},
    {131, 45}, {131, 42.9}, {130.6, 42.4}, {132, 42.6}, {136.5, 44}, {141.9, 45.95}, {145.6, 44.7},
    {146.2, 43.9}};

// Central Asia against China, from the Altai south to the Wakhan.
const Outline chineseWestBorder = {
    {87.3, 49.1}, {85.5, 47.1}, {82.3, 47}, {82.5, 45.5}, {80.4, 44.9}, {80.8, 43.2}, {80.2, 42.2},
    {78, 41.2}, {75.6, 40.6}, {73.7, 39.5}, {75.3, 38.6}, {74.9, 37.1}};

// The Caucasus and Iran's north-west, from the Caspian to the Black Sea.
const Outline caucasusLine = {{48.6, 41.8}, {49.5, 40.5}, {48.9, 38.4}, {46, 39}, {44.8, 39.7}, {43.6, 40.1},
                              {43.5, 41.1}, {42.5, 41.5}, {41.5, 41.5}};

// The Aegean between Greece's islands and Turkey's coast, north to south.
const Outline aegeanLine = {{26.6, 41.3}, {26.0, 40.6}, {25.8, 40.0}, {26.5, 39.4}, {26.0, 38.2},
                            {26.9, 37.6}, {27.3, 36.9}, {28.3, 36.4}, {28.2, 35.5}};

// Egypt against Libya and Sudan, then down the Red Sea.
const Outline egyptianBorder = {{25.1, 31.7}, {25, 22}, {36.9, 22}};

Outline reversed(const Outline &line)
{
    Outline copy;
    for (int i = line.size() - 1; i >= 0; --i)
        copy.append(line.at(i));
    return copy;
}

Outline joined(std::initializer_list<Outline> parts)
{
    Outline all;
    for (const Outline &part : parts)
        all += part;
    return all;
}

// Islands: a box with its corners cut, so that the drawn map shows them as
// rough islands rather than squares.
Outline box(qreal west, qreal south, qreal east, qreal north)
{
    const qreal dx = (east - west) * 0.15, dy = (north - south) * 0.15;
    return {{west + dx, south}, {east - dx, south}, {east, south + dy}, {east, north - dy},
            {east - dx, north}, {west + dx, north}, {west, north - dy}, {west, south + dy}};
}

QHash<QString, QVector<Outline>> buildOutlines()
{
    QHash<QString, QVector<Outline>> table;

    table.insert("North America", {
        // Alaska, Canada and the United States down to Mexico's border.
        {{-166.5, 68.5}, {-156, 71.5}, {-140, 70}, {-125, 72}, {-120, 76}, {-100, 78.5}, {-90, 80.5},
         {-75, 82.5}, {-62, 82.5}, {-66, 80.5}, {-73, 78.5}, {-78, 75.5}, {-68, 70.5}, {-60, 66},
         {-63, 60}, {-55.5, 53}, {-52.5, 47}, {-59.5, 43.5}, {-66, 43.3}, {-70, 41}, {-75, 35.5},
         {-80.5, 31}, {-79.5, 25}, {-81, 24.4}, {-82, 24.3}, {-84, 29}, {-90, 28.8}, {-97, 26},
         {-99.5, 27.5}, {-102.5, 29.8}, {-104.5, 29.7}, {-106.5, 31.8}, {-111, 31.3}, {-114.7, 32.7},
         {-117.1, 32.55}, {-118, 32.4}, {-125, 40}, {-125, 49}, {-136, 58}, {-150, 59}, {-158, 56},
         {-165, 54}, {-180, 51.5}, {-180, 55}, {-166.5, 60.5}, {-168, 65.5}},
        // Central America from Belize and Guatemala to Panama.
        {{-92.3, 14.5}, {-91.4, 16.1}, {-91, 17.8}, {-89.15, 17.9}, {-88.2, 18.5}, {-86.5, 16},
         {-83, 15}, {-83.5, 11}, {-80, 9.5}, {-77.3, 8.7}, {-77.8, 7.2}, {-80, 7}, {-83, 8},
         {-86, 10}, {-88, 12.8}},
        // The Caribbean islands.
        {{-85.2, 21.6}, {-84.5, 22.9}, {-82.5, 23.4}, {-80.2, 23.6}, {-79.5, 27.2}, {-76.5, 27}, {-72.5, 21}, {-68, 19}, {-64, 18.6},
         {-61, 17.5}, {-59, 13}, {-60.5, 10}, {-62, 10.3}, {-63, 16}, {-65, 17.8}, {-68, 17.6},
         {-72, 17.5}, {-75, 17.5}, {-78, 17.5}, {-79, 19.5}},
        box(-160.5, 18.5, -154.5, 22.5), // Hawaii
        box(172, 51, 180, 53.8),         // the Aleutians west of 180
    });

    table.insert("South America", {
        // Mexico, Baja California included.
        {{-118, 32.4}, {-117.1, 32.55}, {-114.7, 32.7}, {-111, 31.3}, {-106.5, 31.8}, {-104.5, 29.7},
         {-102.5, 29.8}, {-99.5, 27.5}, {-97, 26}, {-95, 25}, {-94, 18}, {-90, 22.5}, {-86.5, 21.8},
         {-88.2, 18.5}, {-89.15, 17.9}, {-91, 17.8}, {-91.4, 16.1}, {-92.3, 14.5}, {-92, 13},
         {-106, 14}, {-118, 28}},
        // The continent from Colombia's border with Panama.
        {{-77.3, 8.7}, {-72, 12.5}, {-63.5, 11.2}, {-62, 10.6}, {-60, 8.5}, {-51, 4.5}, {-50, 0},
         {-35, -5}, {-34.5, -8}, {-39, -14}, {-41, -22}, {-48, -26}, {-53, -34}, {-58, -38.5},
         {-62, -39}, {-65, -42}, {-65, -47}, {-68, -50}, {-68.5, -53}, {-64, -55}, {-68, -56},
         {-75, -52}, {-75, -46}, {-73.5, -37}, {-71.5, -30}, {-70, -18}, {-76, -14}, {-81.5, -5},
         {-80, 0}, {-80, 2}, {-77.8, 7.2}},
    });

    table.insert("Western Europe", {
        joined({{{-9.8, 36.8}, {-10, 43.8}, {-11, 51.5}, {-10.5, 55.5}, {-8, 58.5}, {-7, 61.5},
                 {4.5, 62.5}, {10, 67.5}, {15, 70.2}, {25, 71.5}},
                finnishBorder, centralEuropeBorder,
                {{18.5, 39.6}, {17, 38.8}, {15.7, 37.9}, {15.6, 36.6}, {12.4, 37.5}, {12.5, 38.2},
                 {9.5, 39}, {8.2, 38.8}, {1, 38.5}, {-1, 37.4}, {-2.1, 36.6}, {-5.3, 36.05},
                 {-6.5, 36.4}}}),
        // Greece with Crete and the Aegean islands.
        joined({{{19.3, 39.8}}, greekBorder, aegeanLine, {{27, 34.8}, {24, 34.7}, {23, 35.1}}}),
        box(-25, 63, -12.5, 67),    // Iceland
        box(10, 76, 34, 80),        // Svalbard
        box(-18.5, 27.5, -13.3, 29.5), // the Canary Islands
    });

    table.insert("Eastern Europe", {
        joined({finnishBorder, centralEuropeBorder, {{19.9, 39.6}}, greekBorder, blackSeaLine,
                reversed(caucasusLine), {{49.5, 44}}, kazakhBorder,
                siberianBorder,
                {{149, 44.3}, {157, 50}, {163.5, 55}, {170, 59}, {180, 62}, {180, 71.5}, {160, 71.5},
                 {150, 76.5}, {136, 76.5}, {130, 72.5}, {113, 75}, {105, 79.5}, {95, 79.5}, {95, 77.5},
                 {70, 74}, {69, 77.5}, {52, 77.5}, {50, 72}, {36, 71}}}),
        // Chukotka east of 180.
        {{-180, 62}, {-172, 64.5}, {-168.5, 66}, {-175, 70}, {-175, 71.8}, {-180, 71.8}},
    });

    table.insert("Africa", {
        {{-5.9, 35.95}, {-2, 35.2}, {3, 36.9}, {8.6, 37.2}, {11.2, 37.3}, {11.3, 33}, {15.3, 32.3},
         {20, 32.9}, {25.1, 31.7}, {25, 22}, {36.9, 22}, {38.5, 18}, {41, 15}, {43.4, 12.6},
         {51.5, 11.8}, {51.4, 10}, {41.5, -1.8}, {39.5, -5}, {40, -10}, {40.5, -15}, {35.5, -24},
         {33, -28}, {27, -34.3}, {18.5, -35}, {15, -27}, {11.7, -17}, {13.5, -12}, {12, -6},
         {9.5, -1}, {9, 4}, {-5, 4.5}, {-12, 6}, {-17, 14.7}, {-17.5, 21}, {-13.5, 27.5},
         {-9.8, 29.6}, {-9.6, 32}, {-6.8, 34.1}},
        box(43, -26, 51, -11.5), // Madagascar
    });

    table.insert("Middle East", {
        joined({egyptianBorder,
                {{38.5, 18}, {41, 15}, {43.4, 12.6}, {45, 12.7}, {52, 15.5}, {55, 17}, {57.5, 18.8},
                 {59.8, 22.5}, {61.6, 25.1}, {63.3, 27.1}, {62.8, 28.3}, {60.9, 29.9}, {64, 29.4},
                 {66.3, 29.9}, {67, 31.3}, {69.3, 31.9}, {70, 33.9}, {71, 34.9}, {71.6, 36.5}},
                reversed(chineseWestBorder), reversed(kazakhBorder), {{49.5, 44}}, caucasusLine,
                reversed(blackSeaLine), aegeanLine, {{30, 35.2}, {34.8, 34.5}, {34, 31.5}, {32, 31.4}}}),
    });

    table.insert("East Asia", {
        joined({chineseWestBorder,
                {{75.5, 36.5}, {78, 35.5}, {79, 34.3}, {78.5, 32.5}, {79, 31}, {81, 30.2}, {84, 28.5},
                 {88, 27.9}, {92, 28}, {97, 28.2}, {98.5, 27.5}, {98.7, 25}, {97.6, 24}, {99.5, 22.1},
                 {101.2, 21.2}, {102, 22.4}, {103.5, 22.6}, {106.5, 22.5}, {108, 21.5}, {107.5, 18},
                 {112, 18}, {117, 23}, {120, 21.5}, {122, 22}, {123, 24}, {131, 30}, {140, 33}, {141.5, 35},
                 {142.8, 39.5}, {145.9, 42.8}},
                reversed(siberianBorder), {{88, 49.8}}}),
    });

    table.insert("Oceania", {
        // Thailand.
        {{97.5, 18.3}, {98.5, 20.2}, {100.2, 20.5}, {101.2, 19.6}, {101.3, 17.8}, {102.6, 17.9},
         {104.7, 17.4}, {105.6, 15.8}, {105.4, 14.4}, {102.8, 13.9}, {102.4, 12.2}, {100.9, 12.6},
         {100.3, 13.5}, {99.3, 10}, {100.3, 8.3}, {101.3, 6.8}, {102, 6.1}, {100.2, 6.4},
         {98.2, 8.0}, {98.6, 10.0}, {99.1, 11.5}, {99.2, 13}, {98.6, 15.8}, {98.5, 17}},
        // The Philippines.
        {{117, 7.6}, {119.5, 4.6}, {126, 4.6}, {127, 6}, {126.6, 10}, {124.7, 14}, {122.6, 18.7},
         {122.1, 21.2}, {121.5, 21.2}, {120.3, 18.9}, {119.7, 16.3}, {119, 11.8}, {117, 8.5}},
        // Australia with Tasmania.
        {{113, -22}, {114, -34.5}, {117, -35.3}, {124, -33.8}, {131, -31.5}, {135, -34.8},
         {138, -35.8}, {140.5, -38}, {144, -39.5}, {144.5, -44}, {148.5, -44}, {148.5, -39.5},
         {150, -37.5}, {153.6, -28}, {153.2, -25}, {146, -19}, {145.3, -15}, {142.5, -10.5},
         {141.5, -13}, {140.8, -17.5}, {135.5, -15}, {137, -12}, {132.5, -11.1}, {129.5, -14.9},
         {126, -14}, {122.2, -17.5}, {114, -21.8}},
        // Papua New Guinea east of the 141st meridian, and the Solomons.
        {{141, -2.5}, {150, -1}, {154, -3.5}, {162.5, -10}, {161, -11.5}, {155.5, -7.5},
         {150.5, -10.8}, {147, -10.6}, {143.5, -9.3}, {141, -9.2}},
        box(166, -48, 179, -34),      // New Zealand
        box(166, -20.5, 171, -13),    // Vanuatu
        box(176.8, -19.5, 180, -15.5), // Fiji west of 180
        box(-180, -23, -171, -12.5),  // Fiji's east, Tonga and Samoa
    });
    return table;
}

} // namespace

QVector<Outline> outlinesOf(const QString &region)
{
    static const QHash<QString, QVector<Outline>> table = buildOutlines();
    return table.value(region);
}

QVector<QPointF> dotsOf(const QString &region)
{
    static const QHash<QString, QVector<QPointF>> dots = {
        {"North America", {{-77.4, 25.0}, {-59.6, 13.1}, {-61.3, 10.5}}},
        {"Middle East", {{50.55, 26.05}}},
        {"Oceania", {{103.8, 1.35}, {178.0, -17.8}, {-172.1, -13.7}, {-175.2, -21.1}, {167.5, -16.0}, {160.0, -9.5}}},
    };
    return dots.value(region);
}

} // namespace RegionOutlines
