-- The three sample plans of the template, and a fresh working plan.
INSERT INTO [hist_Plan] ([PlanID], [PlanName], [StartDate], [Strategy], [PledgeMoney], [PlanType], [DateCreated], [DateLastUpdated]) VALUES
  (1, 'Sample 1', '2026-06-05', 'Avalanche', 100, 'Immediate', '2024-01-17', '2026-06-04'),
  (2, 'Sample 2', '2026-06-05', 'Avalanche', 100, 'Immediate', '2024-05-27', '2026-06-04'),
  (3, 'Sample 3', '2026-06-05', 'Custom', 232, 'Immediate', '2024-01-22', '2026-06-04');

INSERT INTO [hist_Debts] ([PlanID], [Priority], [DebtType], [CreditorName], [APR], [Balance], [Payment]) VALUES
  (1, 1, 'Credit Card', 'Best Buy', 21, 215, 35),
  (1, 2, 'Credit Card', 'Kohl''s', 21, 365, 35),
  (1, 3, 'Credit Card', 'MasterCard', 19.8, 1705, 49),
  (1, 4, 'Credit Card', 'Visa', 15.9, 2341, 73),
  (1, 5, 'Credit Card', 'Discover', 12.9, 1250, 35),
  (2, 1, 'Credit Card', 'Kohl''s', 21, 3415, 94),
  (2, 2, 'Credit Card', 'MasterCard', 19.8, 1705, 46),
  (2, 3, 'Credit Card', 'Discover', 17.9, 3781, 95),
  (2, 4, 'Credit Card', 'Visa', 15.69, 2341, 69),
  (2, 5, 'Loan', 'Mom & Dad', 0, 500, 50),
  (3, 1, 'Loan', 'Mom & Dad', 0, 500, 50),
  (3, 2, 'Credit Card', 'Kohl''s', 21, 3415, 95),
  (3, 3, 'Credit Card', 'MasterCard', 19.8, 1705, 49),
  (3, 4, 'Credit Card', 'Discover', 17.9, 3781, 95),
  (3, 5, 'Credit Card', 'Visa', 12.9, 2341, 70),
  (3, 6, 'Loan', 'My House', 2.4, 179000, 1800);

INSERT INTO [hist_OneOffPayments] ([PlanId], [OneOffDate], [OneOffPayment]) VALUES
  (1, '2026-08-15', 1000),
  (2, '2026-07-18', 500),
  (2, '2027-03-13', 250),
  (3, '2028-03-30', 500),
  (3, '2027-03-30', 500);

-- The first plan a user saves gets id 36.
UPDATE [sqlite_sequence] SET [seq] = 35 WHERE [name] = 'hist_Plan';

INSERT INTO [Plan] ([PlanID]) VALUES (0);
