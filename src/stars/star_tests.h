#pragma once
// A grid's list of star tests: each star with the checks it runs, in the order they fill the
// slots. The natal grid and the luck grid write their lists with the same three forms.
#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>

#include "stars/star_rule.h"

namespace qm::stars {

// One star test: the star's table and up to N checks, in the order they run.
template <std::size_t N>
struct StarTest {
  constexpr explicit StarTest(Star star) : star(star) {}
  constexpr StarTest& Add(Check check) {
    checks[count++] = check;
    return *this;
  }
  constexpr std::span<const Check> Checks() const { return std::span(checks).first(count); }

  Star star;
  std::array<Check, N> checks{};
  std::size_t count = 0;
};

// The star stands under each listed pillar that matches the row of the key pillar.
template <std::size_t N>
constexpr StarTest<N> Keyed(Star star, int key, std::initializer_list<int> columns) {
  StarTest<N> test(star);
  for (int column : columns) test.Add({column, key, column});
  return test;
}

// The star stands under each listed pillar that is one of the table's pillars.
template <std::size_t N>
constexpr StarTest<N> Listed(Star star, std::initializer_list<int> columns) {
  StarTest<N> test(star);
  for (int column : columns) test.Add({column, column});
  return test;
}

template <std::size_t N>
constexpr StarTest<N> Checked(Star star, std::initializer_list<Check> checks) {
  StarTest<N> test(star);
  for (const Check& check : checks) test.Add(check);
  return test;
}

// The pillars of a chart handed over as its N stems followed by its N branches.
template <std::size_t N>
std::array<Pillar, N> PillarsOf(const std::array<int, 2 * N>& stemsThenBranches) {
  std::array<Pillar, N> pillars{};
  for (std::size_t i = 0; i < N; ++i) pillars[i] = {stemsThenBranches[i], stemsThenBranches[i + N]};
  return pillars;
}

// Runs every test of a list in order over the chart's pillars.
template <std::size_t N, std::size_t Count>
void RunStarTests(const std::array<StarTest<N>, Count>& tests, std::span<const Pillar> pillars,
                  Sex chartSex, StarGrid& grid) {
  for (const StarTest<N>& test : tests) RunStarTest(test.star, test.Checks(), pillars, chartSex, grid);
}

}  // namespace qm::stars
