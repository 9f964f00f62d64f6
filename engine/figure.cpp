// Formatting and reading a figure in its own precision.
#include "engine/figure.hpp"

namespace quillon {

std::string format(const Figure& value, std::string_view pattern) {
    return std::visit([pattern](auto v) { return format(v, pattern); }, value);
}

double valueOf(const Figure& value) {
    struct Value {
        double operator()(float v) const { return static_cast<double>(v); }
        double operator()(double v) const { return v; }
        double operator()(Currency v) const { return v.toDouble(); }
    };
    return std::visit(Value{}, value);
}

}  // namespace quillon
