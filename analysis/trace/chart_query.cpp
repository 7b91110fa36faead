#include "analysis/trace/chart_query.h"

#include "core/ball_text.h"

namespace trace {
namespace {

int digit_value(std::string_view text) { return text.size() == 1 && core::is_digit(text[0]) ? text[0] - '0' : kNoBall; }

// Every wanted value takes a different ball whose key (value or units digit) equals it.
// A ball matches one key only, so taking the first free equal ball is never wrong.
bool takes_different_balls(const std::array<int, kBalls>& balls, const std::vector<int>& wanted, bool tails) {
  std::array<bool, kBalls> used{};
  for (const int w : wanted) {
    bool found = false;
    for (std::size_t k = 0; k < kBalls && !found; ++k) {
      if (used[k] || balls[k] == kNoBall) continue;
      if ((tails ? balls[k] % 10 : balls[k]) == w) used[k] = found = true;
    }
    if (!found) return false;
  }
  return true;
}

}  // namespace

std::string ChartQuery::shown_text() const {
  if (!positional()) return text;
  std::string joined;
  for (std::size_t j = 0; j < fields.size(); ++j) joined += (j ? "," : "") + fields[j];
  return joined;
}

std::string without_spaces(std::string_view text) {
  std::string kept;
  for (const char c : text)
    if (c != ' ') kept += c;
  return kept;
}

ChartMatcher ChartMatcher::summary(int level, const BallSet& reference) {
  ChartMatcher m;
  m.mode_ = Mode::Shares;
  m.level_ = level;
  m.reference_ = reference;
  return m;
}

ChartMatcher ChartMatcher::query(const ChartQuery& q) {
  ChartMatcher m;
  m.ascending_ = q.ascending;
  switch (q.kind) {
    case ChartQueryKind::Numbers: {
      const std::string numbers = without_spaces(q.text);
      if (numbers.size() != 2 && numbers.size() != 4 && numbers.size() != 6) return m;
      for (std::size_t i = 0; i < numbers.size(); i += 2) m.wanted_.push_back(number_value(numbers.substr(i, 2)));
      m.mode_ = Mode::AnyBalls;
      return m;
    }
    case ChartQueryKind::Tails:
      if (q.text.empty() || q.text.size() > 4) return m;
      for (std::size_t i = 0; i < q.text.size(); ++i) m.wanted_.push_back(digit_value(q.text.substr(i, 1)));
      m.mode_ = Mode::AnyTails;
      return m;
    case ChartQueryKind::Positions:
    case ChartQueryKind::PositionTails:
      for (std::size_t j = 0; j < kBalls; ++j) {
        m.filled_[j] = !q.fields[j].empty();
        m.at_[j] = q.kind == ChartQueryKind::Positions ? number_value(q.fields[j]) : digit_value(q.fields[j]);
      }
      m.mode_ = q.kind == ChartQueryKind::Positions ? Mode::AtPositions : Mode::TailsAtPositions;
      return m;
  }
  return m;
}

bool ChartMatcher::matches(const TraceDraw& draw) const {
  switch (mode_) {
    case Mode::Shares: return draw.balls.common(reference_) >= level_;
    case Mode::AnyBalls: return takes_different_balls(draw.drawn, wanted_, false);
    case Mode::AnyTails: return takes_different_balls(draw.drawn, wanted_, true);
    case Mode::AtPositions:
    case Mode::TailsAtPositions: {
      const auto& balls = ascending_ ? draw.sorted : draw.drawn;
      for (std::size_t j = 0; j < kBalls; ++j) {
        if (!filled_[j]) continue;
        if (balls[j] == kNoBall || at_[j] == kNoBall) return false;
        if ((mode_ == Mode::TailsAtPositions ? balls[j] % 10 : balls[j]) != at_[j]) return false;
      }
      return true;
    }
    case Mode::Nothing: return false;
  }
  return false;
}

}  // namespace trace
