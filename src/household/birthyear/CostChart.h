#pragma once

#include <QString>
#include <QStringList>

// The five-year cost chart: the approximate price of five items in 1900, 1905, ... 2000, read
// from Cost1.Fil, item after item (fields 1 to 21 the gallon of gas, 22 to 42 the gallon of milk,
// and so on), into a grid of one heading row and one year column.
namespace CostChart {

constexpr const char* kFileName = "Cost1.Fil";
constexpr int kRows = 22; // the heading row and 21 years
constexpr int kCols = 6;  // the year column and five items
constexpr int kYears = kRows - 1;
constexpr int kFieldCount = kYears * (kCols - 1);

// "Year", "Gallon of Gas", "Gallon of Milk", "Loaf of Bread", "A New Auto", "A New Home".
QString heading(int col);
// The year of rows 1 to 21: "1900", "1905", ... "2000".
QString yearLabel(int row);
// The share of the grid's width that a column takes: 0.14 for the years, 0.165 for each item.
double widthShare(int col);

// The fields of the price file, at most the 105 that have a cell; none when it cannot be read.
QStringList readFields(const QString& path);
// Field n (from 0) lies in this row and column.
int rowOfField(int index);
int colOfField(int index);

// A field that reads as a number with "." as decimal point shows as an amount of US dollars in
// the US notation, whatever the desktop's locale: "$0.07" (cents when the field gives them),
// "$1,234"; any other text shows as it is.
QString currencyText(const QString& field);

// The tip of a grid row: " Row 5: 1920 ".
QString rowTip(int row, const QString& yearCell);

} // namespace CostChart
