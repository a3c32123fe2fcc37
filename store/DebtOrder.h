#pragma once
// The payoff order of the working debts: a strategy names a sort clause, and
// the Debts table is rewritten so that Priority and rowid run 1..n in it.

#include <QString>

class Database;

// "Avalanche" -> "Avalanche DESC", "Snowball" -> "Snowball DESC", anything
// else (exact comparison) -> "Priority".
QString SortClauseForStrategy(const QString &AStrategy);
// Sets the shared sort clause from the strategy.
void SetPlanSortFromStrategy(const QString &AStrategy);
// Rewrites Debts in the given order with priorities 1..n; all or nothing.
void RenumberDebts(Database &db, const QString &planSort);

// The working plan as opening it leaves it: the sort clause from its stored
// strategy, and the debts renumbered in that order.
void SortWorkingDebts(Database &db);
