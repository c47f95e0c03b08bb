#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "GerberImage.h"

namespace trazello {

// An aperture macro template ("%AM...%"): its primitives and variable definitions as written,
// evaluated each time an aperture is defined with it.
class ApertureMacro {
 public:
  // The blocks after the name block of the parameter statement.
  explicit ApertureMacro(const std::vector<std::string_view>& body);

  // The exposures of an aperture made with `parameters` ($1, $2, ...); lengths in file units are
  // multiplied by `unitScale` to give layout units. Problems are added to `warnings`.
  std::vector<GExposure> evaluate(const std::vector<double>& parameters, double unitScale,
                                  std::vector<std::string>& warnings) const;

 private:
  struct Statement {
    int variable = 0;                    // > 0: an assignment "$n=expression"
    int primitive = 0;                   // otherwise: the primitive code
    std::vector<std::string> arguments;  // expressions as written
  };
  std::vector<Statement> statements_;
};

// Evaluates an arithmetic expression of a macro: numbers, $n, + - x / and parentheses.
// Unknown variables are 0; a malformed expression gives NaN.
double evaluateMacroExpression(std::string_view text, const std::map<int, double>& variables);

}  // namespace trazello
