// The step pages in a real browser: Debian's chromium, headless, opens a page at several steps
// (the address's #prim=K&kruskal=J) and the class words on its edge elements must be what the
// trace says for those steps. Nothing here waits for timers or animation: the page draws the
// state of its address as it loads.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "graph/network_vectors.h"
#include "trace/step_trace.h"

namespace {

namespace fs = std::filesystem;
using Words = std::map<int, std::set<std::string>>;  // 1-based row -> its state words

const std::set<std::string> kStateWords = {"prim-tree",        "prim-cut",       "prim-chosen",    "kruskal-tree",
                                           "kruskal-rejected", "kruskal-cycle",  "kruskal-current"};

std::string ReadAll(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

bool RunCommand(const std::string& command) {
  const int raw = std::system(command.c_str());
  return WIFEXITED(raw) && WEXITSTATUS(raw) == 0;
}

bool Accepted(const KruskalTraceStep& step) {
  return step.decision != KruskalDecision::kSameComponent && step.decision != KruskalDecision::kSelfLoop;
}

// What the page must show at Prim's step k and Kruskal's step j.
Words Expected(const StepTrace& trace, int k, int j) {
  Words words;
  for (int s = 0; s < k; ++s) words[trace.prim[static_cast<std::size_t>(s)].row + 1].insert("prim-tree");
  if (k > 0) {
    const PrimTraceStep& step = trace.prim[static_cast<std::size_t>(k - 1)];
    std::set<int> tree(step.treeNodes.begin(), step.treeNodes.end());
    for (std::size_t r = 0; r < trace.rows.size(); ++r) {
      if ((tree.count(trace.rows[r].node1) > 0) != (tree.count(trace.rows[r].node2) > 0)) {
        words[static_cast<int>(r) + 1].insert("prim-cut");
      }
    }
    words[step.row + 1].insert("prim-chosen");
  }
  for (int s = 0; s < j; ++s) {
    const KruskalTraceStep& step = trace.kruskal[static_cast<std::size_t>(s)];
    words[step.row + 1].insert(Accepted(step) ? "kruskal-tree" : "kruskal-rejected");
  }
  if (j > 0) {
    const KruskalTraceStep& step = trace.kruskal[static_cast<std::size_t>(j - 1)];
    words[step.row + 1].insert("kruskal-current");
    if (step.decision == KruskalDecision::kSameComponent) {
      words[step.row + 1].insert("kruskal-cycle");
      for (const int r : step.cycle) words[r + 1].insert("kruskal-cycle");
    }
  }
  return words;
}

// The state words on every edge element of a dumped page, and its node ids.
Words Shown(const std::string& dom, std::set<int>& nodes) {
  Words words;
  for (std::size_t at = dom.find("<g id=\""); at != std::string::npos; at = dom.find("<g id=\"", at + 1)) {
    const std::size_t idEnd = dom.find('"', at + 7);
    const std::string id = dom.substr(at + 7, idEnd - at - 7);
    if (id.size() < 2 || (id[0] != 'e' && id[0] != 'n') || id.find_first_not_of("0123456789", 1) != std::string::npos) {
      continue;
    }
    if (id[0] == 'n') {
      nodes.insert(std::stoi(id.substr(1)));
      continue;
    }
    std::set<std::string>& mine = words[std::stoi(id.substr(1))];
    const std::size_t tagEnd = dom.find('>', at);
    const std::size_t cls = dom.find("class=\"", at);
    if (cls == std::string::npos || cls > tagEnd) continue;
    std::istringstream classes(dom.substr(cls + 7, dom.find('"', cls + 7) - cls - 7));
    for (std::string word; classes >> word;) {
      if (kStateWords.count(word) > 0) mine.insert(word);
    }
  }
  return words;
}

class PageInBrowser : public testing::Test {
 protected:
  // Makes the page of a network as scripts/show-steps does, and traces it here.
  void Make(const std::string& network) {
    dir_ = fs::path(SCRATCH_ROOT) / testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    page_ = dir_ / "page.html";
    ASSERT_TRUE(RunCommand("'" MST_DRAW_PATH "' '" + network + "' | '" NEATO_PATH "' -Tsvg > '" + (dir_ / "drawing.svg").string() +
                    "' && '" MST_TRACE_PATH "' --page '" + (dir_ / "drawing.svg").string() + "' '" + network + "' > '" +
                    page_.string() + "'"));
    Network loaded;
    std::string reason;
    ASSERT_TRUE(LoadNetworkFile(network, loaded, reason)) << reason;
    trace_ = TraceRoutines(loaded.edges.data(), static_cast<int>(loaded.edges.size()), loaded.nON);
  }

  std::string Dump(const std::string& fragment) {
    const fs::path out = dir_ / "dom.html";
    EXPECT_TRUE(RunCommand("'" CHROMIUM_PATH "' --headless --no-sandbox --disable-gpu --dump-dom 'file://" + page_.string() +
                    fragment + "' > '" + out.string() + "' 2> /dev/null"));
    return ReadAll(out);
  }

  fs::path dir_, page_;
  StepTrace trace_;
};

TEST_F(PageInBrowser, ClassWordsAreTheTraceAtEveryStepAskedFor) {
  Make(NETWORKS_DIR "/matrix1.txt");
  const int lastK = static_cast<int>(trace_.prim.size());
  const int lastJ = static_cast<int>(trace_.kruskal.size());
  int rejected = 0;  // the first rejected step, with its cycle
  while (rejected < lastJ && trace_.kruskal[static_cast<std::size_t>(rejected)].decision != KruskalDecision::kSameComponent) {
    ++rejected;
  }
  ASSERT_LT(rejected, lastJ) << "the network must have a rejected edge";
  const std::vector<std::pair<int, int>> states = {{0, 0}, {lastK, lastJ}, {3, 5}, {1, rejected + 1}, {lastK - 1, 1}};
  for (const auto& [k, j] : states) {
    SCOPED_TRACE("#prim=" + std::to_string(k) + "&kruskal=" + std::to_string(j));
    std::set<int> nodes;
    Words shown = Shown(Dump("#prim=" + std::to_string(k) + "&kruskal=" + std::to_string(j)), nodes);
    Words expected = Expected(trace_, k, j);
    for (int r = 1; r <= static_cast<int>(trace_.rows.size()); ++r) {
      ASSERT_EQ(shown.count(r), 1u) << "no element e" << r;
      EXPECT_EQ(shown[r], expected[r]) << "e" << r;
    }
    EXPECT_EQ(static_cast<int>(nodes.size()), trace_.nON);
  }
  // Steps beyond the end show the end.
  std::set<int> nodes;
  EXPECT_EQ(Shown(Dump("#prim=999&kruskal=999"), nodes), Shown(Dump("#prim=" + std::to_string(lastK) + "&kruskal=" +
                                                                    std::to_string(lastJ)), nodes));
}

// Above 300 edges the drawing holds the trees only; the page adds what the state needs.
TEST_F(PageInBrowser, LargeNetworksShowTheTreesAndTheCurrentState) {
  const std::string network = (fs::path(SCRATCH_ROOT) / "large.txt").string();
  ASSERT_TRUE(RunCommand("'" MST_NETGEN_PATH "' --nodes 40 --edges 420 --seed 3 --output '" + network + "'"));
  Make(network);
  const int j = static_cast<int>(trace_.kruskal.size());
  for (const int k : {0, 2, static_cast<int>(trace_.prim.size())}) {
    SCOPED_TRACE("#prim=" + std::to_string(k));
    std::set<int> nodes;
    Words shown = Shown(Dump("#prim=" + std::to_string(k) + "&kruskal=" + std::to_string(j)), nodes);
    Words expected = Expected(trace_, k, j);
    for (auto& [row, words] : expected) {
      std::set<std::string> drawn = words;
      drawn.erase("kruskal-rejected");
      if (drawn.empty() && shown.count(row) == 0) continue;  // rejected edges are not drawn
      EXPECT_EQ(shown[row], words) << "e" << row;
    }
    EXPECT_LT(shown.size(), trace_.rows.size());
  }
}

}  // namespace
