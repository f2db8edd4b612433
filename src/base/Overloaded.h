#pragma once
// One callable made of several lambdas, for std::visit: a variant alternative without a lambda
// of its own does not compile, so an action added later cannot fall into another's branch.
namespace qf {

template <typename... Cases>
struct Overloaded : Cases... {
    using Cases::operator()...;
};
// Spelled out for compilers without deduction from aggregate initialisation (clang before 17).
template <typename... Cases>
Overloaded(Cases...) -> Overloaded<Cases...>;

}  // namespace qf
