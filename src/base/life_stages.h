#pragma once
// The twelve stages (長生 .. 養) as the charts print them: two sets of words, which differ only in
// the fourth stage, and two sets of one-letter marks, likewise. Index 1..12, 0 is none.
#include <array>
#include <string_view>

namespace qm {

// The words printed down a column; the one-character stages are padded with two blanks, so
// their second row is a blank. The twelve stages of the day stem use 建祿.
inline constexpr std::array<std::string_view, 13> kLifeStageWords = {
    "", "長生", "沐浴", "冠帶", "建祿", "帝旺", "衰  ", "病  ", "死  ", "墓  ", "絕  ", "胎  ", "養  "};
// The same words with 臨官, as the own-seat stage of a pillar is named.
inline constexpr std::array<std::string_view, 13> kOwnSeatStageWords = {
    "", "長生", "沐浴", "冠帶", "臨官", "帝旺", "衰  ", "病  ", "死  ", "墓  ", "絕  ", "胎  ", "養  "};

// One letter per stage: the stems' stage at a branch marks 祿, the nayin 臨.
inline constexpr std::array<std::string_view, 13> kStemStageLetters = {
    "", "生", "敗", "冠", "祿", "旺", "衰", "病", "死", "墓", "絕", "胎", "養"};
inline constexpr std::array<std::string_view, 13> kNayinStageLetters = {
    "", "生", "敗", "冠", "臨", "旺", "衰", "病", "死", "墓", "絕", "胎", "養"};

}  // namespace qm
