#pragma once

#include <QByteArray>
#include <string>

#include "preview/plan_model.h"
#include "preview/plan_svg.h"
#include "preview/preview_file.h"
#include "run/perimeter_blocks.h"
#include "support/file_run.h"

namespace peltarix::testing {

// A whole run of the example house (or of `source`) with the plan picture
// of it.
struct ExampleRun {
  explicit ExampleRun(const std::string& source = ReadBytes(PELTARIX_SOURCE_DIR
                                                            "/examples/sample.QV"))
      : file(source) {
    file.run.context.perimeter_blocks = &blocks;
    status = file.Execute();
    model = PlanOfRun(file.run.context, blocks);
    svg = RenderPlanSvg(model, "sample.QV");
  }
  QByteArray Svg() const { return QByteArray(svg.data(), static_cast<qsizetype>(svg.size())); }

  PerimeterBlocks blocks;
  FileRun file;
  int status = -1;
  PlanModel model;
  std::string svg;
};

}  // namespace peltarix::testing
