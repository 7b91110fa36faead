#include "analysis/trace/trace_chart.h"

#include <algorithm>
#include <functional>

#include "core/ball_text.h"
#include "core/numbers.h"

namespace trace {
namespace {

// Count keys: count * 100 + item, so sorting them orders by count, then by the higher item.
struct Keys {
  std::vector<int> numbers, tails, heads;
  explicit Keys(int max_ball)
      : numbers(static_cast<std::size_t>(max_ball)), tails(10), heads(static_cast<std::size_t>(max_ball / 10 + 1)) {
    for (std::size_t n = 0; n < numbers.size(); ++n) numbers[n] = static_cast<int>(n) + 1;
    for (std::size_t t = 0; t < tails.size(); ++t) tails[t] = static_cast<int>(t);
    for (std::size_t h = 0; h < heads.size(); ++h) heads[h] = static_cast<int>(h);
  }
  void count(const TraceDraw& draw, int max_ball) {
    for (const int ball : draw.drawn) {
      if (ball < 1 || ball > max_ball) continue;
      numbers[static_cast<std::size_t>(ball - 1)] += 100;
      tails[static_cast<std::size_t>(ball % 10)] += 100;
      heads[static_cast<std::size_t>(ball / 10)] += 100;
    }
  }
};

struct Run {
  const TraceTable& table;
  const ChartSettings& settings;
  ChartData data;
  Keys keys;
  int counter = 0;

  std::vector<std::string> bodies;  // per draw, its memo line after the counter; made on first use

  // "0001, 2009/01/02, 098002, 01,02,03,04,05,": the counter and the draw's body.
  std::string memo_line(int number, int draw) {
    std::string& body = bodies[static_cast<std::size_t>(draw - 1)];
    if (body.empty()) {
      const TraceDraw& d = table.draw(draw);
      const bool drawn_order = settings.query && settings.query->positional() && !settings.query->ascending;
      body.append(", ").append(table.date(draw)).append(", ").append(table.issue(draw)).append(", ");
      for (const int ball : drawn_order ? d.drawn : d.sorted)
        body.append(ball == kNoBall ? std::string() : core::ball_text(ball)).append(",");
    }
    std::string line = core::zero_pad(number, 4);
    line.reserve(line.size() + body.size());
    return line.append(body);
  }

  // Visits the period once for distance k; returns whether a following draw was counted.
  bool visit(const ChartMatcher& matcher, int k) {
    const int n = table.draw_count();
    const int from = core::day_number(settings.from), to = core::day_number(settings.to);
    bool followed = false;
    for (int p = 1; p <= n; ++p) {
      const int day = table.days[static_cast<std::size_t>(p - 1)];
      if (day < from || day > to || !matcher.matches(table.draw(p))) continue;
      data.resembling_draws.push_back(memo_line(++counter, p));
      if (p + k > n) continue;
      data.following_draws.push_back(memo_line(counter, p + k));
      keys.count(table.draw(p + k), table.max_ball);
      followed = true;
    }
    return followed;
  }

  void summary_distance(int k) {
    const int reference = table.draw_count() - k + 1;
    if (reference < 1) return;  // no reference draw: nothing resembles it
    for (int level = 1; level <= kChartLevels; ++level)
      if (settings.levels[static_cast<std::size_t>(level - 1)])
        visit(ChartMatcher::summary(level, table.draw(reference).balls), k);
  }

  void query_distance(const ChartQuery& query, int k) {
    if (query.positional()) data.resembling_draws.assign(1, std::string(kChartMemoHeader));
    if (!visit(ChartMatcher::query(query), k))
      data.messages.push_back((query.asks_tails() ? "您查詢的尾數" : "您查詢的號碼") + query.shown_text() +
                              "尚無開出記錄,故無統計資訊");
  }
};

int period_draws(const TraceTable& table, const ChartSettings& settings) {
  const int from = core::day_number(settings.from), to = core::day_number(settings.to);
  return static_cast<int>(
      std::count_if(table.days.begin(), table.days.end(), [&](int d) { return d >= from && d <= to; }));
}

std::vector<Bar> bars(std::vector<int> keys, bool sorted, const std::function<std::string(int)>& label) {
  if (sorted) std::sort(keys.begin(), keys.end(), std::greater<>());  // distinct keys: the exchange order
  std::vector<Bar> out;
  for (const int key : keys) out.push_back({label(key % 100), key / 100});
  return out;
}

std::string number_title_prefix(const ChartSettings& s, std::string_view game) {
  if (!s.query) return {};
  switch (s.query->kind) {
    case ChartQueryKind::Numbers: return std::string(game) + " " + without_spaces(s.query->text);
    case ChartQueryKind::Tails: return std::string(game) + "尾數" + s.query->text;
    default: return std::string(game) + " " + s.query->shown_text();
  }
}

}  // namespace

ChartData run_chart(const TraceTable& table, const ChartSettings& settings, std::string_view game_name) {
  Run run{table, settings, {}, Keys(table.max_ball), 0, std::vector<std::string>(table.draws.size())};
  run.data.resembling_draws.assign(1, std::string(kChartMemoHeader));
  run.data.following_draws.assign(1, std::string(kChartMemoHeader));
  for (int k = 1; k <= kChartDistances; ++k) {
    if (!settings.next[static_cast<std::size_t>(k - 1)]) continue;
    if (settings.query)
      run.query_distance(*settings.query, k);
    else
      run.summary_distance(k);
  }
  ChartData& data = run.data;
  data.period_draws = period_draws(table, settings);
  const std::string period = std::string("(")
                                 .append(core::format_date(settings.from))
                                 .append("-")
                                 .append(core::format_date(settings.to))
                                 .append(")");
  data.number_title = number_title_prefix(settings, game_name) + "拖牌號碼統計" + period;
  data.tail_title = "拖牌尾數統計" + period;
  data.head_title = "拖牌頭數統計" + period;
  data.numbers = bars(run.keys.numbers, settings.sorted, [](int n) { return core::ball_text(n); });
  data.tails = bars(run.keys.tails, settings.sorted, [](int t) { return std::to_string(t) + "尾"; });
  data.heads = bars(run.keys.heads, settings.sorted, [](int h) { return std::to_string(h) + "頭"; });
  return data;
}

}  // namespace trace
