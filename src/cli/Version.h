#pragma once
namespace qf::cli {
inline constexpr const char* kVersionText = "3.1a (Quernfold 98)";
}
