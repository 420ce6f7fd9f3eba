#pragma once

// The p values behind every test panel. Free functions, no state: each result depends only on
// the arguments. Degrees of freedom arrive as doubles and are truncated toward zero.
namespace ProbModule {

// Two-tailed p of Student's t with df degrees of freedom, at most 0.9999.
double tprob(double t, double df);

// Two-tailed p of a standard normal deviate, at most 0.9999.
double zprob(double z);

// Upper-tail p of an F ratio with df1 numerator and df2 denominator degrees of freedom,
// at most 0.9999.
double fprob(double F, double df1, double df2);

}  // namespace ProbModule
