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

// The date text of every draw, element i-1 for draw i: each is written up to three times.
std::vector<std::string> date_texts(const core::DrawHistory& h, int n) {
  std::vector<std::string> dates;
  dates.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) dates.push_back(core::day_text(h.draw_date[i]));
  return dates;
}

// Columns 0 .. 8 of the draw rows: date, issue and the seven position rows.
void write_draws(core::TextGrid& grid, const core::DrawHistory& h, const std::vector<std::string>& dates,
                 core::BallOrder order) {
  const core::BallColumns& balls = core::ball_columns(h, order);
  for (int i = 1; i <= static_cast<int>(dates.size()); ++i) {
    grid.set_cell(0, i, dates[i - 1]);
    grid.set_cell(1, i, h.issue_no[i - 1]);
    for (int k = 0; k < core::kBallRows; ++k) grid.set_cell(2 + k, i, balls[k][i - 1]);
  }
}

std::string offset_word(long long offset, bool average) {
  if (offset == 0) return zero_amount_word(average);
  return (offset > 0 ? "加" : "減") + std::to_string(offset > 0 ? offset : -offset);
}

// The words a sentence says about the rule, the same for every row: "1落球開" or
// "1,2,3落球平均數" before the base, and "下" + K + "期開" + each offset's word after it.
struct RuleWords {
  std::string before_base, after_base;
};

RuleWords rule_words(const MovingRule& rule) {
  const auto& p = rule.positions;
  RuleWords words;
  words.before_base = std::to_string(p[0]);
  for (int i = 1; rule.average && i < 3; ++i) (words.before_base += ',') += std::to_string(p[i]);
  words.before_base += std::string(core::order_word(rule.order)) + "球" + (rule.average ? "平均數" : "開");
  words.after_base = "下" + std::to_string(rule.look_back) + "期開";
  for (long long offset : rule.offsets) words.after_base += offset_word(offset, rule.average) + " ";
  return words;
}

// One row's rule: its predictions, the hits in the three draws from q, and its sentence.
class RowRule {
 public:
  RowRule(const core::DrawHistory& h, const std::vector<std::string>& dates, const MovingRule& rule)
      : h_(h), dates_(dates), n_(static_cast<int>(dates.size())), rule_(rule), words_(rule_words(rule)),
        texts_(core::ball_columns(h, rule.order)), balls_(core::ball_values(h, rule.order)) {}

  // Writes columns 9 .. 12 of row q and returns its sentence; q must have a source draw.
  std::string evaluate(core::TextGrid& grid, int q) {
    const int s = q - rule_.look_back;
    const int base = rule_base(rule_, balls_[s - 1]);
    predict(balls_[s - 1]);
    const std::string p9 = predictions_[0] + " " + predictions_[1] + " " + predictions_[2];
    grid.set_cell(kPredictionColumn, q, p9);
    std::array<std::string, kLookAhead> hits;
    for (int t = 0; t < kLookAhead; ++t) {
      hits[t] = hits_in(q + t);
      grid.set_cell(kPredictionColumn + 1 + t, q, hits[t]);
    }
    std::string sentence;
    sentence.reserve(192);
    append_head(sentence, s, base);
    if (q > n_) {
      sentence += ",第";
      sentence += core::zero_pad(q, 3);
      sentence += "期版路預測";
      sentence += p9;
      return sentence;
    }
    sentence += ',';
    sentence += dates_[q - 1];
    sentence += "預測";
    for (int i = 0; i < count(); ++i) (sentence += predictions_[i]) += '.';
    if (hits[0].empty()) sentence += "沒中 ";
    else (sentence += "中 ") += hits[0];
    if (!hits[1].empty()) (sentence += ",隔一期中") += hits[1];
    if (!hits[2].empty()) (sentence += ",隔二期中") += hits[2];
    return sentence;
  }

 private:
  int count() const { return static_cast<int>(rule_.offsets.size()); }

  void predict(const core::DrawBalls& source) {
    values_ = rule_predictions(rule_, source, h_.max_ball);
    for (int i = 0; i < kMaxPredictions; ++i)
      predictions_[i] = i < count() ? core::ball_text(values_[i]) : std::string();
  }

  // Each prediction that is one of draw t's balls, followed by a blank; empty past the table.
  std::string hits_in(int t) const {
    std::string text;
    if (t > n_) return text;
    const auto& drawn = balls_[t - 1];
    for (int i = 0; i < count(); ++i)
      if (std::find(drawn.begin(), drawn.end(), values_[i]) != drawn.end()) (text += predictions_[i]) += ' ';
    return text;
  }

  // "第001期(2018/09/05)第1落球開05下1期開本支 ".
  void append_head(std::string& text, int s, int base) const {
    text += "第";
    text += core::zero_pad(s, 3);
    text += "期(";
    text += dates_[s - 1];
    text += ")第";
    text += words_.before_base;
    text += rule_.average ? core::zero_pad(base, 2) : texts_[rule_.positions[0] - 1][s - 1];
    text += words_.after_base;
  }

  const core::DrawHistory& h_;
  const std::vector<std::string>& dates_;
  int n_;  // draws in the table
  const MovingRule& rule_;
  RuleWords words_;
  const core::BallColumns& texts_;  // the balls in the rule's order, as texts
  std::vector<core::DrawBalls> balls_;
  std::array<int, kMaxPredictions> values_{};
  std::array<std::string, kMaxPredictions> predictions_;
};

}  // namespace

core::Result<MovingPattern> moving_pattern(const core::DrawHistory& history, const MovingRule& rule) {
  if (const auto usable = check_moving_rule(rule); !usable) return usable.error();
  const int n = history.stored_draws();
  MovingPattern pattern;
  pattern.look_back = rule.look_back;
  pattern.sgl = core::TextGrid(n + 2, kGridColumns);
  pattern.sgl.set_row(0, header_row(rule.order));
  const auto dates = date_texts(history, n);
  write_draws(pattern.sgl, history, dates, rule.order);
  pattern.sgl.set_cell(0, n + 1, "本期預測");
  pattern.pattern_detail.assign(static_cast<std::size_t>(n) + 2, std::string());
  RowRule row_rule(history, dates, rule);
  // Rows before K + 1 have no source draw; a look-back beyond the table leaves every row empty.
  const long long first = std::max<long long>(1, 1LL + rule.look_back);
  for (long long q = first; q <= n + 1; ++q)
    pattern.pattern_detail[q] = row_rule.evaluate(pattern.sgl, static_cast<int>(q));
  return pattern;
}

core::Result<MovingPattern> show_moving(const core::DrawHistory& history, const MovingBoxes& boxes,
                                        core::BallOrder order) {
  const auto rule = read_moving_rule(boxes, order);
  if (!rule) return rule.error();
  return moving_pattern(history, *rule);
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
