#include "analysis/moving/moving_pattern.h"

#include <algorithm>

#include "core/ball_text.h"
#include "core/dates.h"
#include "core/numbers.h"

namespace moving {
namespace {

constexpr int kLookAhead = 3;  // this draw, the next and the one after

std::vector<std::string> header_row(core::BallOrder order) {
  const std::string w(core::order_word(order));
  return {"日     期", "期  數", w + "一", w + "二", w + "三", w + "四", w + "五", w + "六", "特號",
          "預    測", "本期開出", "隔一期開", "隔二期開"};
}

// Columns 0 .. 8 of the draw rows: date, issue and the seven position rows.
void write_draws(core::TextGrid& grid, const core::DrawHistory& h, core::BallOrder order) {
  const core::BallColumns& balls = order == core::BallOrder::Sorted ? h.ltno_sorted : h.ltno_copy;
  for (int i = 1; i <= h.draw_count; ++i) {
    grid.set_cell(0, i, core::day_text(h.draw_date[i - 1]));
    grid.set_cell(1, i, h.issue_no[i - 1]);
    for (int k = 0; k < core::kBallRows; ++k) grid.set_cell(2 + k, i, balls[k][i - 1]);
  }
}

std::string offset_word(long long offset, bool average) {
  if (offset == 0) return zero_amount_word(average);
  return (offset > 0 ? "加" : "減") + std::to_string(offset > 0 ? offset : -offset);
}

// One row's rule: its predictions, the hits in the three draws from q, and its sentence.
class RowRule {
 public:
  RowRule(const core::DrawHistory& h, const MovingRule& rule)
      : h_(h), rule_(rule), balls_(core::working_ball_values(h)) {
    for (long long offset : rule.offsets) offsets_text_ += offset_word(offset, rule.average) + " ";
  }

  // Writes columns 9 .. 12 of row q and returns its sentence; q must have a source draw.
  std::string evaluate(core::TextGrid& grid, int q) {
    const int s = q - rule_.look_back;
    const int base = base_of(s);
    predict(base);
    std::string p9;
    for (int i = 0; i < kMaxPredictions; ++i) p9 += (i > 0 ? " " : "") + predictions_[i];
    grid.set_cell(kPredictionColumn, q, p9);
    std::array<std::string, kLookAhead> hits;
    for (int t = 0; t < kLookAhead; ++t) {
      hits[t] = hits_in(q + t);
      if (q + t <= h_.draw_count) grid.set_cell(kPredictionColumn + 1 + t, q, hits[t]);
    }
    std::string sentence = head(s, base);
    if (q > h_.draw_count) return sentence + ",第" + core::zero_pad(q, 3) + "期版路預測" + p9;
    std::string listed;
    for (int i = 0; i < count(); ++i) listed += predictions_[i] + ".";
    sentence += "," + core::day_text(h_.draw_date[q - 1]) + "預測" + listed;
    sentence += hits[0].empty() ? "沒中 " : "中 " + hits[0];
    if (!hits[1].empty()) sentence += ",隔一期中" + hits[1];
    if (!hits[2].empty()) sentence += ",隔二期中" + hits[2];
    return sentence;
  }

 private:
  int count() const { return static_cast<int>(rule_.offsets.size()); }
  int ball(int draw, int position) const { return balls_[draw - 1][position - 1]; }

  int base_of(int s) const {
    const auto& p = rule_.positions;
    if (!rule_.average) return ball(s, p[0]);
    return (ball(s, p[0]) + ball(s, p[1]) + ball(s, p[2])) / 3;
  }

  void predict(int base) {
    for (int i = 0; i < kMaxPredictions; ++i) {
      values_[i] = i < count() ? wrap_prediction(base, rule_.offsets[i], h_.max_ball) : 0;
      predictions_[i] = i < count() ? core::ball_text(values_[i]) : std::string();
    }
  }

  // Each prediction that is one of draw t's balls, followed by a blank; empty past the table.
  std::string hits_in(int t) const {
    std::string text;
    if (t > h_.draw_count) return text;
    const auto& drawn = balls_[t - 1];
    for (int i = 0; i < count(); ++i)
      if (std::find(drawn.begin(), drawn.end(), values_[i]) != drawn.end()) text += predictions_[i] + " ";
    return text;
  }

  std::string head(int s, int base) const {
    std::string text = "第" + core::zero_pad(s, 3) + "期(" + core::day_text(h_.draw_date[s - 1]) + ")第";
    const std::string w = std::string(core::order_word(rule_.order)) + "球";
    const auto& p = rule_.positions;
    if (rule_.average)
      text += std::to_string(p[0]) + "," + std::to_string(p[1]) + "," + std::to_string(p[2]) + w + "平均數" +
              core::zero_pad(base, 2);
    else
      text += std::to_string(p[0]) + w + "開" + h_.ltno_copy[p[0] - 1][s - 1];
    return text + "下" + std::to_string(rule_.look_back) + "期開" + offsets_text_;
  }

  const core::DrawHistory& h_;
  const MovingRule& rule_;
  std::vector<core::DrawBalls> balls_;
  std::string offsets_text_;  // E: each offset's word and a blank
  std::array<int, kMaxPredictions> values_{};
  std::array<std::string, kMaxPredictions> predictions_;
};

}  // namespace

MovingPattern moving_pattern(const core::DrawHistory& history, const MovingRule& rule) {
  const int n = std::clamp(history.draw_count, 0, core::kDrawCapacity);
  MovingPattern pattern;
  pattern.look_back = rule.look_back;
  pattern.sgl = core::TextGrid(n + 2, kGridColumns);
  pattern.sgl.set_row(0, header_row(rule.order));
  write_draws(pattern.sgl, history, rule.order);
  pattern.sgl.set_cell(0, n + 1, "本期預測");
  pattern.pattern_detail.assign(static_cast<std::size_t>(n) + 2, std::string());
  RowRule row_rule(history, rule);
  // Rows before K + 1 have no source draw; a look-back beyond the table leaves every row empty.
  const long long first = std::max<long long>(1, 1LL + rule.look_back);
  for (long long q = first; q <= n + 1; ++q)
    pattern.pattern_detail[q] = row_rule.evaluate(pattern.sgl, static_cast<int>(q));
  return pattern;
}

std::optional<std::string> note_for_cell(const MovingPattern& pattern, int column, int row) {
  if (column < kPredictionColumn || column >= kGridColumns) return std::nullopt;
  if (row < 1 || row >= static_cast<int>(pattern.pattern_detail.size())) return std::nullopt;
  if (row - pattern.look_back <= 0) return std::nullopt;
  return pattern.pattern_detail[row];
}

std::vector<std::string> detail_lines(const MovingPattern& pattern) {
  std::vector<std::string> lines;
  for (const auto& sentence : pattern.pattern_detail)
    if (!sentence.empty()) lines.push_back(sentence);
  return lines;
}

}  // namespace moving
