// Tree nodes through the real exports: keys made from the frame's push count, the caller's
// hash or id, the selected flag of element nodes, and nodes whose state the script keeps.
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "widget_fixture.h"

namespace qel {
namespace {

constexpr int32_t kNode = 0, kTab = 1;

class Trees : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    StartWidgets();
    host().MoveMouse(630, 470);
  }
  // One frame of the window; `headers_` collects the bounds of each header row Push() draws.
  void Draw(const std::function<void()>& draw, const char* window = "trees", float x = 0) {
    headers_.clear();
    window_x_ = x;
    Frame([&] {
      if (api().WindowBegin(window, x, 0, 300, 460, kBorder | kNoScrollbar)) {
        api().LayoutRowDynamic(25, 1);
        draw();
      }
      api().WindowEnd();
    });
  }
  // Pushes, records where its header went, and pops when open. The layout still reports the
  // header's row as the next cell's (Nuklear keeps a full row until the next widget).
  int32_t Push(const std::function<int32_t()>& push, const std::function<void()>& content = [] {}) {
    const int32_t open = push();
    api().LayoutWidgetBounds();
    const Rect next = InterfaceRect();
    headers_.push_back({window_x_ + 10, next.y, 280, 20});
    if (open) {
      content();
      api().TreeStatePop();
    }
    return open;
  }
  void ClickHeader(Rect r, const std::function<void()>& draw, float dx = 12, const char* window = "trees") {
    Press(r.x + dx, r.y + r.h / 2);
    Draw(draw, window);
    Release();
    Draw(draw, window);
  }
  std::vector<Rect> headers_;
  float window_x_ = 0;
};

TEST_F(Trees, CountedKeysFollowThePushesBeforeThemInTheFrame) {
  int32_t parent = 0, sibling = 0;
  const auto tree = [&] {
    parent = Push([&] { return api().TreePush(kTab, "parent", 0); }, [&] {
      api().TreePush(kNode, "child", 0);  // counted children, closed
      api().TreePush(kNode, "child", 0);
    });
    sibling = Push([&] { return api().TreePush(kTab, "sibling", 0); });
  };
  Draw(tree);
  ClickHeader(headers_[0], tree);
  ASSERT_EQ(parent, 1);
  ASSERT_EQ(headers_.size(), 2u);
  ClickHeader(headers_[1], tree);  // the sibling, now sibling:3
  EXPECT_EQ(sibling, 1);
  for (int i = 0; i < 3; ++i) Draw(tree);  // the counter starts again every frame
  EXPECT_EQ(sibling, 1);
  ClickHeader(headers_[0], tree);  // parent closed: the sibling is sibling:1, never opened
  EXPECT_EQ(parent, 0);
  EXPECT_EQ(sibling, 0);
  ClickHeader(headers_[0], tree);
  EXPECT_EQ(sibling, 1) << "sibling:3 kept its state";
}

TEST_F(Trees, TheSameTitleTwiceIsTwoNodesAndHashedKeysAreTheCallers) {
  struct Case {
    const char* name;
    std::function<int32_t(int32_t state)> first, second;
    bool same_node;
  };
  const std::vector<Case> cases = {
      {"same title counted", [&](int32_t s) { return api().TreePush(kTab, "same", s); },
       [&](int32_t s) { return api().TreePush(kTab, "same", s); }, false},
      {"same title, ids differ but counted", [&](int32_t s) { return api().TreePushID(kTab, "same", s, 7); },
       [&](int32_t s) { return api().TreePushID(kTab, "same", s, 7); }, false},
      {"hash length past the string", [&](int32_t s) { return api().TreePushHashed(kTab, "a", s, "key", 3, 1); },
       [&](int32_t s) { return api().TreePushHashed(kTab, "b", s, "key", 5000, 1); }, true},
      {"negative hash length", [&](int32_t s) { return api().TreePushHashed(kTab, "a", s, "key", 3, 1); },
       [&](int32_t s) { return api().TreePushHashed(kTab, "b", s, "key", -1, 1); }, true},
      {"shorter hash length", [&](int32_t s) { return api().TreePushHashed(kTab, "a", s, "key", 3, 1); },
       [&](int32_t s) { return api().TreePushHashed(kTab, "b", s, "key", 2, 1); }, false},
      {"other seed", [&](int32_t s) { return api().TreePushHashed(kTab, "a", s, "key", 3, 1); },
       [&](int32_t s) { return api().TreePushHashed(kTab, "b", s, "key", 3, 2); }, false},
      {"element by id, not counted",
       [&](int32_t s) { return api().TreeElementPushID(kTab, "elem", s, 0, 4); },
       [&](int32_t s) { return api().TreeElementPushHashed(kTab, "elem", s, 0, "elem", -1, 4); }, true},
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    int32_t a = 0, b = 0;
    const std::string window = "trees" + std::to_string(i);  // fresh node states per case
    const auto tree = [&] {
      a = Push([&] { return c.first(0); });
      b = Push([&] { return c.second(0); });
    };
    Draw(tree, window.c_str());
    ClickHeader(headers_[0], tree, 12, window.c_str());
    Draw(tree, window.c_str());
    EXPECT_EQ(a, 1) << c.name;
    EXPECT_EQ(b, c.same_node ? 1 : 0) << c.name;
  }
  // The same hash in two windows is two nodes.
  int32_t left = 0, right = 0;
  const auto both = [&] {
    Frame([&] {
      for (const auto& [window, x, open] : {std::tuple<const char*, float, int32_t*>{"left", 0.0f, &left},
                                            std::tuple<const char*, float, int32_t*>{"right", 320.0f, &right}}) {
        if (api().WindowBegin(window, x, 0, 300, 200, kBorder | kNoScrollbar)) {
          api().LayoutRowDynamic(25, 1);
          *open = api().TreePushHashed(kTab, "h", 0, "shared", 6, 0);
          if (*open) api().TreeStatePop();
        }
        api().WindowEnd();
      }
    });
  };
  both();
  Press(150, 150);  // the left window comes to the front first
  both();
  Release();
  both();
  Press(22, headers_.at(0).y + headers_.at(0).h / 2);  // its header, where the cases' headers were
  both();
  Release();
  both();
  EXPECT_EQ(left, 1);
  EXPECT_EQ(right, 0);
}

TEST_F(Trees, ElementValuesToggleOnTheLabelAndStateNodesAreTheScripts) {
  int32_t selected = 1, value = -1;
  const auto element = [&] {
    Push([&] { return api().TreeElementPush(kNode, "element", 0, selected); });
    value = api().TreeGetLastElementValue();
  };
  Draw(element);
  EXPECT_EQ(value, 1);
  // A click on the label toggles it in the click's frame; the script keeps the result.
  Press(headers_[0].x + 40, headers_[0].y + headers_[0].h / 2);
  Draw(element);
  EXPECT_EQ(value, 0);
  selected = value;
  Release();
  Draw(element);
  EXPECT_EQ(value, 0);
  // Outside a window the flag is stored and the push answers 0.
  EXPECT_EQ(api().TreeElementPush(kNode, "x", 0, 5), 0);
  EXPECT_EQ(api().TreeGetLastElementValue(), 5);

  // A state node opens in the frame of the click and stays open only if the script says so.
  int32_t state = 0;
  const auto node = [&] { state = Push([&] { return api().TreeStatePush(kTab, "kept", state); }); };
  Draw(node);
  EXPECT_EQ(state, 0);
  Press(headers_[0].x + 12, headers_[0].y + headers_[0].h / 2);
  Draw(node);
  EXPECT_EQ(state, 1);
  Release();
  Draw(node);
  EXPECT_EQ(state, 1);
  int32_t forgotten = -1;
  Draw([&] { forgotten = Push([&] { return api().TreeStatePush(kTab, "kept", 0); }); });
  EXPECT_EQ(forgotten, 0);
  EXPECT_EQ(api().TreeStatePush(kTab, "kept", 1), 0);  // no window
}

TEST_F(Trees, PushesOutsideAWindowStillCount) {
  int32_t node = 0;
  int outside = 0;
  const auto tree = [&] { node = Push([&] { return api().TreePush(kTab, "node", 0); }); };
  const auto frame = [&] {
    headers_.clear();
    Frame([&] {
      for (int i = 0; i < outside; ++i) EXPECT_EQ(api().TreeImagePush1(kTab, "missing", "t", 1), 0);
      if (api().WindowBegin("trees", 0, 0, 300, 460, kBorder | kNoScrollbar)) {
        api().LayoutRowDynamic(25, 1);
        tree();
      }
      api().WindowEnd();
    });
  };
  frame();
  Press(headers_[0].x + 12, headers_[0].y + headers_[0].h / 2);
  frame();
  Release();
  frame();
  EXPECT_EQ(node, 1);  // node:0
  outside = 1;
  frame();
  EXPECT_EQ(node, 0) << "now node:1";
  EXPECT_EQ(LogCount(LogText(msg::ImageMissing, "missing")), 1);
}

}  // namespace
}  // namespace qel
