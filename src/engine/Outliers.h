#pragma once

#include <vector>

class CEnsemble;

// For each example of class `classe` of the trained set, the squared
// Mahalanobis distance to its class's mean that the set trained without that
// example would measure. An example counts in its own class's mean and in the
// common covariance, which pull them towards it; leaving it out undoes that
// (the deleted-residual form of Sherman and Morrison), so a single wild
// example stands out however few examples there are. 0 where the set cannot
// tell: a class of one example, or too few examples for a covariance without it.
std::vector<double> distancesLeftOut(const CEnsemble& set, int classe);

// The examples to show as outliers, given the distances above: those the
// class trained without them would reject as too far, and that lie ten times
// as far as the class's median example. The distance test alone would mark
// the shakier of many hand-drawn examples, whose features spread much wider
// than a normal law's; the median keeps the mark for drawings unlike the rest.
std::vector<bool> outliersAmong(const std::vector<double>& distancesLeftOut);
