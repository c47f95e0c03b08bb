#include <array>
#include <string_view>

#include "StrokeFont.h"

namespace trazello {

namespace {

// Font units: origin at the left end of the baseline, y upward. Capitals and digits reach 80,
// small letters 45, descenders -20. A stroke of two equal points is a dot. Umlaut dots sit at 85
// beside the apex of A but at 95 over the flat tops of O and U, where lower dots would merge with
// the letter in bold strokes; over small letters they sit at 65.
constexpr std::string_view kPeriod = "XXXXXX+00+00+00+00ZZZZZZ";
constexpr std::string_view kZero =
    "XXXXXX+40+65+40+15+35+05+25+00+15+00+05+05+00+15+00+65+05+75+15+80+25+80+35+75+40+65ZZZZZZ";
constexpr std::string_view kCapitalI = "XXXXXX+00+00+00+80ZZZZZZ";

struct Glyph {
  uint8_t code;  // Windows-1252
  std::string_view strokes;
};

// O shares the glyph of the digit 0 and the small l that of the capital I. One stroke per line.
// clang-format off
constexpr Glyph kGlyphs[] = {
    {' ', "ZZZZZZ"},
    {'!', "XXXXXX+00+80+00+20"
          "XXXXXX+00+00+00+00ZZZZZZ"},
    {'"', "XXXXXX+00+80+00+60"
          "XXXXXX+15+80+15+60ZZZZZZ"},
    {'#', "XXXXXX+12+10+12+70"
          "XXXXXX+28+10+28+70"
          "XXXXXX+00+25+40+25"
          "XXXXXX+00+55+40+55ZZZZZZ"},
    {'%', "XXXXXX+00+00+40+80"
          "XXXXXX+05+80+10+80+15+75+15+65+10+60+05+60+00+65+00+75+05+80"
          "XXXXXX+30+20+35+20+40+15+40+05+35+00+30+00+25+05+25+15+30+20ZZZZZZ"},
    {'&', "XXXXXX+40+00+10+50+05+58+05+70+10+78+15+80+22+80+28+75+30+68+28+60+20+52+05+40"
          "+00+30+00+12+05+04+15+00+25+00+33+05+40+20ZZZZZZ"},
    {'(', "XXXXXX+15+85+05+70+00+50+00+30+05+10+15-05ZZZZZZ"},
    {')', "XXXXXX+00+85+10+70+15+50+15+30+10+10+00-05ZZZZZZ"},
    {'*', "XXXXXX+20+60+20+10"
          "XXXXXX+02+48+38+22"
          "XXXXXX+02+22+38+48ZZZZZZ"},
    {'+', "XXXXXX+20+60+20+10"
          "XXXXXX+00+35+40+35ZZZZZZ"},
    {',', "XXXXXX+05+05+05+00+00-12ZZZZZZ"},
    {'-', "XXXXXX+00+35+40+35ZZZZZZ"},
    {'.', kPeriod},
    {'/', "XXXXXX+00+00+40+80ZZZZZZ"},
    {'0', kZero},
    {'1', "XXXXXX+00+50+25+80+25+00ZZZZZZ"},
    {'2', "XXXXXX+00+65+05+75+15+80+25+80+35+75+40+65+40+55+35+45+00+00+40+00ZZZZZZ"},
    {'3', "XXXXXX+00+70+10+80+30+80+40+70+40+55+30+45+15+45+30+45+40+35+40+10+30+00+10+00"
          "+00+10ZZZZZZ"},
    {'4', "XXXXXX+30+00+30+80+00+30+00+20+40+20ZZZZZZ"},
    {'5', "XXXXXX+40+80+00+80+00+45+10+50+30+50+40+40+40+10+30+00+10+00+00+10ZZZZZZ"},
    {'6', "XXXXXX+35+80+15+80+05+70+00+55+00+15+05+05+15+00+25+00+35+05+40+15+40+30+35+40"
          "+25+45+15+45+05+40+00+30ZZZZZZ"},
    {'7', "XXXXXX+00+80+40+80+35+70+25+55+15+35+10+20+10+00ZZZZZZ"},
    {'8', "XXXXXX+20+45+10+50+05+58+05+70+12+80+28+80+35+70+35+58+30+50+20+45+08+40+00+30"
          "+00+12+08+00+32+00+40+12+40+30+32+40+20+45ZZZZZZ"},
    {'9', "XXXXXX+05+00+25+00+35+10+40+25+40+65+35+75+25+80+15+80+05+75+00+65+00+50+05+40"
          "+15+35+25+35+35+40+40+50ZZZZZZ"},
    {':', "XXXXXX+00+40+00+40"
          "XXXXXX+00+00+00+00ZZZZZZ"},
    {'<', "XXXXXX+40+65+00+35+40+05ZZZZZZ"},
    {'=', "XXXXXX+00+45+40+45"
          "XXXXXX+00+25+40+25ZZZZZZ"},
    {'>', "XXXXXX+00+65+40+35+00+05ZZZZZZ"},
    {'?', "XXXXXX+00+65+05+75+15+80+25+80+35+75+40+65+40+55+35+47+20+40+20+22"
          "XXXXXX+20+00+20+00ZZZZZZ"},
    {'A', "XXXXXX+00+00+25+80+50+00"
          "XXXXXX+10+30+40+30ZZZZZZ"},
    {'B', "XXXXXX+00+00+00+80+28+80+35+75+38+68+38+55+35+48+28+43+00+43"
          "XXXXXX+28+43+35+40+40+33+40+10+35+03+28+00+00+00ZZZZZZ"},
    {'C', "XXXXXX+40+65+35+75+25+80+15+80+05+75+00+65+00+15+05+05+15+00+25+00+35+05+40+15ZZZZZZ"},
    {'D', "XXXXXX+00+00+00+80+20+80+32+75+40+62+40+18+32+05+20+00+00+00ZZZZZZ"},
    {'E', "XXXXXX+35+00+00+00+00+80+35+80"
          "XXXXXX+00+40+35+40ZZZZZZ"},
    {'F', "XXXXXX+35+80+00+80+00+00"
          "XXXXXX+00+40+30+40ZZZZZZ"},
    {'G', "XXXXXX+40+65+35+75+25+80+15+80+05+75+00+65+00+15+05+05+15+00+25+00+35+05+40+15"
          "+40+35+22+35ZZZZZZ"},
    {'H', "XXXXXX+00+00+00+80"
          "XXXXXX+40+00+40+80"
          "XXXXXX+00+40+40+40ZZZZZZ"},
    {'I', kCapitalI},
    {'J', "XXXXXX+35+80+35+15+30+05+20+00+15+00+05+05+00+15ZZZZZZ"},
    {'K', "XXXXXX+00+00+00+80"
          "XXXXXX+40+80+00+30"
          "XXXXXX+12+45+40+00ZZZZZZ"},
    {'L', "XXXXXX+00+80+00+00+35+00ZZZZZZ"},
    {'M', "XXXXXX+00+00+00+80+25+35+50+80+50+00ZZZZZZ"},
    {'N', "XXXXXX+00+00+00+80+40+00+40+80ZZZZZZ"},
    {'O', kZero},
    {'P', "XXXXXX+00+00+00+80+30+80+37+77+40+70+40+50+37+43+30+40+00+40ZZZZZZ"},
    {'Q', "XXXXXX+40+65+40+15+35+05+25+00+15+00+05+05+00+15+00+65+05+75+15+80+25+80+35+75"
          "+40+65"
          "XXXXXX+25+20+45-05ZZZZZZ"},
    {'R', "XXXXXX+00+00+00+80+30+80+37+77+40+70+40+50+37+43+30+40+00+40"
          "XXXXXX+20+40+40+00ZZZZZZ"},
    {'S', "XXXXXX+40+65+35+75+25+80+15+80+05+75+00+65+00+55+05+47+35+33+40+25+40+15+35+05"
          "+25+00+15+00+05+05+00+15ZZZZZZ"},
    {'T', "XXXXXX+00+80+40+80"
          "XXXXXX+20+80+20+00ZZZZZZ"},
    {'U', "XXXXXX+00+80+00+15+05+05+15+00+25+00+35+05+40+15+40+80ZZZZZZ"},
    {'V', "XXXXXX+00+80+25+00+50+80ZZZZZZ"},
    {'W', "XXXXXX+00+80+12+00+25+55+38+00+50+80ZZZZZZ"},
    {'X', "XXXXXX+00+80+40+00"
          "XXXXXX+00+00+40+80ZZZZZZ"},
    {'Y', "XXXXXX+00+80+20+40+40+80"
          "XXXXXX+20+40+20+00ZZZZZZ"},
    {'Z', "XXXXXX+00+80+40+80+00+00+40+00ZZZZZZ"},
    {'\\', "XXXXXX+00+80+40+00ZZZZZZ"},
    {'_', "XXXXXX+00-10+40-10ZZZZZZ"},
    {'a', "XXXXXX+05+40+12+45+25+45+32+40+35+32+35+00"
          "XXXXXX+35+25+12+25+04+22+00+15+00+08+04+02+12+00+25+00+35+08ZZZZZZ"},
    {'b', "XXXXXX+00+80+00+00"
          "XXXXXX+00+30+05+40+15+45+23+45+30+40+35+30+35+15+30+05+23+00+15+00+05+05+00+15ZZZZZZ"},
    {'c', "XXXXXX+35+35+28+43+20+45+12+45+05+40+00+30+00+15+05+05+12+00+20+00+28+02+35+10ZZZZZZ"},
    {'d', "XXXXXX+35+80+35+00"
          "XXXXXX+35+30+30+40+20+45+12+45+05+40+00+30+00+15+05+05+12+00+20+00+30+05+35+15ZZZZZZ"},
    {'e', "XXXXXX+00+22+35+22+35+30+30+40+20+45+12+45+05+40+00+30+00+15+05+05+12+00+25+00"
          "+33+05ZZZZZZ"},
    {'f', "XXXXXX+25+80+15+80+08+75+05+65+05+00"
          "XXXXXX+00+45+20+45ZZZZZZ"},
    {'g', "XXXXXX+35+30+30+40+20+45+12+45+05+40+00+30+00+15+05+05+12+00+20+00+30+05+35+15"
          "XXXXXX+35+45+35-10+30-18+22-20+10-20+02-15ZZZZZZ"},
    {'h', "XXXXXX+00+80+00+00"
          "XXXXXX+00+30+05+40+15+45+25+45+32+40+35+30+35+00ZZZZZZ"},
    {'i', "XXXXXX+00+45+00+00"
          "XXXXXX+00+65+00+65ZZZZZZ"},
    {'j', "XXXXXX+15+45+15-10+10-18+00-20"
          "XXXXXX+15+65+15+65ZZZZZZ"},
    {'k', "XXXXXX+00+80+00+00"
          "XXXXXX+30+45+00+15"
          "XXXXXX+10+25+30+00ZZZZZZ"},
    {'l', kCapitalI},
    {'m', "XXXXXX+00+45+00+00"
          "XXXXXX+00+32+05+42+12+45+18+45+23+40+25+32+25+00"
          "XXXXXX+25+32+28+40+33+45+40+45+46+40+50+30+50+00ZZZZZZ"},
    {'n', "XXXXXX+00+45+00+00"
          "XXXXXX+00+30+05+40+15+45+25+45+32+40+35+30+35+00ZZZZZZ"},
    {'o', "XXXXXX+35+30+30+40+20+45+15+45+05+40+00+30+00+15+05+05+15+00+20+00+30+05+35+15"
          "+35+30ZZZZZZ"},
    {'p', "XXXXXX+00+45+00-20"
          "XXXXXX+00+30+05+40+15+45+23+45+30+40+35+30+35+15+30+05+23+00+15+00+05+05+00+15ZZZZZZ"},
    {'q', "XXXXXX+35+45+35-20"
          "XXXXXX+35+30+30+40+20+45+12+45+05+40+00+30+00+15+05+05+12+00+20+00+30+05+35+15ZZZZZZ"},
    {'r', "XXXXXX+00+45+00+00"
          "XXXXXX+00+30+07+40+15+45+25+45ZZZZZZ"},
    {'s', "XXXXXX+33+38+25+45+10+45+02+40+00+33+03+27+10+24+25+21+32+17+35+11+32+04+25+00"
          "+10+00+00+06ZZZZZZ"},
    {'t', "XXXXXX+08+70+08+10+13+02+20+00+25+02"
          "XXXXXX+00+45+22+45ZZZZZZ"},
    {'u', "XXXXXX+00+45+00+15+05+05+15+00+25+00+32+05+35+15"
          "XXXXXX+35+45+35+00ZZZZZZ"},
    {'v', "XXXXXX+00+45+20+00+40+45ZZZZZZ"},
    {'w', "XXXXXX+00+45+12+00+25+35+38+00+50+45ZZZZZZ"},
    {'x', "XXXXXX+00+45+40+00"
          "XXXXXX+00+00+40+45ZZZZZZ"},
    {'y', "XXXXXX+00+45+20+00+40+45"
          "XXXXXX+20+00+15-15+10-20+05-20ZZZZZZ"},
    {'z', "XXXXXX+00+45+35+45+00+00+35+00ZZZZZZ"},
    {181, "XXXXXX+00-20+00+45"
          "XXXXXX+00+15+05+05+15+00+25+00+32+05+35+15"
          "XXXXXX+35+45+35+00ZZZZZZ"},  // micro sign
    {196, "XXXXXX+00+00+25+80+50+00"
          "XXXXXX+10+30+40+30"
          "XXXXXX+05+85+05+85"
          "XXXXXX+45+85+45+85ZZZZZZ"},  // A umlaut
    {214, "XXXXXX+40+65+40+15+35+05+25+00+15+00+05+05+00+15+00+65+05+75+15+80+25+80+35+75"
          "+40+65"
          "XXXXXX+05+95+05+95"
          "XXXXXX+35+95+35+95ZZZZZZ"},  // O umlaut
    {220, "XXXXXX+00+80+00+15+05+05+15+00+25+00+35+05+40+15+40+80"
          "XXXXXX+05+95+05+95"
          "XXXXXX+35+95+35+95ZZZZZZ"},  // U umlaut
    {223, "XXXXXX+00+00+00+65+05+75+15+80+22+80+30+75+33+67+30+57+20+50+30+45+37+35+37+15"
          "+32+05+22+00+12+00ZZZZZZ"},  // sharp s
    {228, "XXXXXX+05+40+12+45+25+45+32+40+35+32+35+00"
          "XXXXXX+35+25+12+25+04+22+00+15+00+08+04+02+12+00+25+00+35+08"
          "XXXXXX+07+65+07+65"
          "XXXXXX+28+65+28+65ZZZZZZ"},  // a umlaut
    {246, "XXXXXX+35+30+30+40+20+45+15+45+05+40+00+30+00+15+05+05+15+00+20+00+30+05+35+15"
          "+35+30"
          "XXXXXX+07+65+07+65"
          "XXXXXX+28+65+28+65ZZZZZZ"},  // o umlaut
    {252, "XXXXXX+00+45+00+15+05+05+15+00+25+00+32+05+35+15"
          "XXXXXX+35+45+35+00"
          "XXXXXX+07+65+07+65"
          "XXXXXX+28+65+28+65ZZZZZZ"},  // u umlaut
};
// clang-format on

constexpr std::array<std::string_view, 256> buildTable() {
  std::array<std::string_view, 256> table{};
  table.fill(kPeriod);  // every code without a glyph of its own is drawn as a period
  for (const Glyph& g : kGlyphs) table[g.code] = g.strokes;
  return table;
}

constexpr std::array<std::string_view, 256> kTable = buildTable();

}  // namespace

std::string_view glyphString(uint8_t code) {
  return kTable[code];
}

}  // namespace trazello
