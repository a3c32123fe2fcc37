#pragma once
// Finding a saved plan by what a person types: its id or its exact name.

#include <QString>

#include <stdexcept>

class Database;

class EPlanLookup : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The id of the saved plan named by `plan`: an existing id first, else the one
// plan with exactly that name. Throws EPlanLookup with a message a person can
// act on when no plan or several plans match.
int SavedPlanId(Database &db, const QString &plan);
