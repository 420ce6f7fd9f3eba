#include "panels/panel_results.h"

namespace panels {
namespace {

using FieldOf = fw::TextField& (ControlWnd::*)() const;
using LabelOf = fw::Label& (ControlWnd::*)() const;

struct ResultControls {
  FieldOf statistic;
  LabelOf statisticCaption;
  FieldOf df;
  LabelOf dfCaption;
  FieldOf p;
  LabelOf pCaption;
};

constexpr ResultControls kResultControls[] = {
    {&ControlWnd::tfld, &ControlWnd::ttext, &ControlWnd::dffld, &ControlWnd::dfText,
     &ControlWnd::pfld, &ControlWnd::dtail},
    {&ControlWnd::tfld1, &ControlWnd::ttext1, &ControlWnd::dffld1, &ControlWnd::dftext1,
     &ControlWnd::pfld1, &ControlWnd::dtail1},
    {&ControlWnd::tfld2, &ControlWnd::ttext2, &ControlWnd::dffld2, &ControlWnd::dftext2,
     &ControlWnd::pfld2, &ControlWnd::dtail2},
    {&ControlWnd::tfld3, &ControlWnd::ttext3, &ControlWnd::dffld3, &ControlWnd::dftext3,
     &ControlWnd::pfld3, &ControlWnd::dtail3},
    {&ControlWnd::tfld4, &ControlWnd::ttext4, &ControlWnd::dffld4, &ControlWnd::dftext4,
     &ControlWnd::pfld4, &ControlWnd::dtail4},
    {&ControlWnd::tfld5, &ControlWnd::ttext5, &ControlWnd::dffld5, &ControlWnd::dftext5,
     &ControlWnd::pfld5, &ControlWnd::dtail5},
};

}  // namespace

Results ResultsOf(const ControlWnd& w, Panel panel) {
  const ResultControls& c = kResultControls[panel];
  return {(w.*c.statistic)(), (w.*c.statisticCaption)(), (w.*c.df)(), (w.*c.dfCaption)(),
          (w.*c.p)(),         (w.*c.pCaption)()};
}

}  // namespace panels
