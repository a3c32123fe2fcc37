-- Schema of the plan database. The build runs this file, then samples.sql,
-- into a fresh database that is embedded as the template.

-- Working plan: always exactly one row, rowid 1.
CREATE TABLE [Plan] (
  [PlanID] INT DEFAULT 0,
  [PlanName] VARCHAR(50) DEFAULT 'Plan Name Goes Here',
  [StartDate] DATE DEFAULT (DATE ('now')),
  [Strategy] VARCHAR(20) DEFAULT 'Avalanche',
  [PledgeMoney] DECIMAL(19, 4) DEFAULT 0,
  [PlanType] VARCHAR(20) DEFAULT 'Immediate'
);

CREATE TABLE [Debts] (
  [Priority] DECIMAL(7, 1),
  [DebtType] VARCHAR(20),
  [CreditorName] VARCHAR(50),
  [APR] DECIMAL(19, 4),
  [Balance] DECIMAL(19, 4),
  [Payment] DECIMAL(19, 4),
  [OMI] DECIMAL(19, 4) GENERATED ALWAYS AS (ROUND ([Balance] * [APR] / 1200.0000, 2)) VIRTUAL,
  [Snowball] DECIMAL(19, 12) GENERATED ALWAYS AS (ROUND ([Payment] / ([Balance] + [OMI] + 0.01), 12)) VIRTUAL,
  [Avalanche] DECIMAL(19, 12) GENERATED ALWAYS AS (ROUND ([APR] + [Snowball], 12)) VIRTUAL
);

CREATE TABLE [OneOffPayments] (
  [OneOffDate] DATE,
  [OneOffPayment] DECIMAL(19, 4)
);

-- Scratch table for renumbering the working debts.
CREATE TABLE [Debts_Temp] (
  [Priority] DECIMAL(7, 1),
  [DebtType] VARCHAR(20),
  [CreditorName] VARCHAR(50),
  [APR] DECIMAL(19, 4),
  [Balance] DECIMAL(19, 4),
  [Payment] DECIMAL(19, 4)
);

CREATE TABLE [hist_Plan] (
  [PlanID] INTEGER PRIMARY KEY AUTOINCREMENT,
  [PlanName] VARCHAR(50),
  [StartDate] DATE,
  [Strategy] VARCHAR(20),
  [PledgeMoney] DECIMAL(19, 4),
  [PlanType] VARCHAR(20),
  [DateCreated] DATE DEFAULT (DATE ('now')),
  [DateLastUpdated] DATE DEFAULT (DATE ('now'))
);

CREATE TABLE [hist_Debts] (
  [PlanID] INT,
  [Priority] DECIMAL(7, 1),
  [DebtType] VARCHAR(20),
  [CreditorName] VARCHAR(50),
  [APR] DECIMAL(19, 4),
  [Balance] DECIMAL(19, 4),
  [Payment] DECIMAL(19, 4),
  [OMI] DECIMAL(19, 4) GENERATED ALWAYS AS (ROUND ([Balance] * [APR] / 1200.0000, 2)) VIRTUAL,
  [Snowball] DECIMAL(19, 12) GENERATED ALWAYS AS (ROUND ([Payment] / ([Balance] + [OMI] + 0.01), 12)) VIRTUAL,
  [Avalanche] DECIMAL(19, 12) GENERATED ALWAYS AS (ROUND ([APR] + [Snowball], 12)) VIRTUAL
);

CREATE TABLE [hist_OneOffPayments] (
  [PlanId] INT,
  [OneOffDate] DATE,
  [OneOffPayment] DECIMAL(19, 4)
);

CREATE TABLE [tblMinPaymentsFromArray] (
  [CreditorName] VARCHAR(50),
  [Debt] INTEGER,
  [PmtNumber] INTEGER,
  [PmtDate] DATE,
  [Balance] DECIMAL(19, 4),
  [Payment] DECIMAL(19, 4),
  [Interest] DECIMAL(19, 4),
  [Principal] DECIMAL(19, 4),
  [NewBalance] DECIMAL(19, 4)
);

CREATE TABLE [tblKXPaymentsFromArray] (
  [RecordNum] INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL,
  [PaymentNumber] INTEGER,
  [PaymentDate] DATE,
  [Priority] INTEGER,
  [CreditorName] VARCHAR(50),
  [StartBalance] DECIMAL(19, 4),
  [PaymentAmount] DECIMAL(19, 4),
  [Interest] DECIMAL(19, 4),
  [Principal] DECIMAL(19, 4),
  [NewBalance] DECIMAL(19, 4)
);

-- Saved plans with their debt totals; one-offs are counted in a second stage
-- (vPlanChooser) so that neither multiplies the other.
CREATE VIEW [viewPlanChooser] AS
SELECT [P].[PlanId] AS [PlanId], [P].[PlanName] AS [Name], [P].[StartDate] AS [StartDate],
  SUM (COALESCE ([D].[Balance], 0)) AS [Balance],
  SUM (COALESCE ([D].[Payment], 0)) AS [Payment],
  [P].[Strategy] AS [Strategy],
  SUM (CASE WHEN [D].[DebtType] = 'Credit Card' THEN 1 ELSE 0 END) AS [CreditCards],
  SUM (CASE WHEN [D].[DebtType] = 'Loan' THEN 1 ELSE 0 END) AS [Loans],
  [P].[PledgeMoney] AS [PledgeMoney],
  [P].[DateLastUpdated] AS [DateLastUpdated]
FROM [hist_Plan] AS [P] LEFT OUTER JOIN [hist_Debts] AS [D] ON [D].[PlanId] = [P].[PlanId]
GROUP BY [P].[PlanId], [P].[PlanName], [P].[StartDate], [P].[Strategy], [P].[PledgeMoney], [P].[DateLastUpdated];

CREATE VIEW [vPlanChooser] AS
SELECT [V].[PlanId] AS [PlanId], [V].[Name] AS [Name], [V].[StartDate] AS [StartDate],
  [V].[Balance] AS [Balance], [V].[Payment] AS [Payment], [V].[Strategy] AS [Strategy],
  [V].[CreditCards] AS [CreditCards], [V].[Loans] AS [Loans], [V].[PledgeMoney] AS [PledgeMoney],
  [V].[DateLastUpdated] AS [DateLastUpdated],
  COUNT ([p].[PlanId]) AS [OneOffs]
FROM [viewPlanChooser] [V] LEFT JOIN [hist_OneOffPayments] [P] ON [V].[PlanId] = [P].[PlanId]
GROUP BY [V].[PlanId], [V].[Name], [V].[StartDate], [V].[Balance], [V].[Payment], [V].[Strategy],
  [V].[CreditCards], [V].[Loans], [V].[PledgeMoney], [V].[DateLastUpdated];

CREATE VIEW [View_Debts_Summary] AS
SELECT SUM (COALESCE ([BALANCE], 0)) AS [Balance],
  SUM (COALESCE ([PAYMENT], 0)) AS [Payment],
  SUM (COALESCE (CASE WHEN [DebtType] = 'Credit Card' THEN 1 ELSE 0 END, 0)) AS [Cards],
  SUM (COALESCE (CASE WHEN [DebtType] = 'Loan' THEN 1 ELSE 0 END, 0)) AS [Loans]
FROM [Debts];

CREATE VIEW [view_PayoffSummary] AS
SELECT [d].[Priority] AS [Priority], [d].[DebtType] AS [DebtType], [d].[CreditorName] AS [CreditorName],
  [d].[APR] AS [APR], [d].[Balance] AS [Balance], [d].[Payment] AS [Payment],
  [z].[kxMoneyPaid] AS [kxMoneyPaid], [z].[kxInterestPaid] AS [kxInterestPaid], [z].[kxMonths] AS [kxMonths],
  [m].[minMoneyPaid] AS [minMoneyPaid], [m].[minInterestPaid] AS [minInterestPaid], [m].[minMonths] AS [minMonths]
FROM [Debts] [d]
LEFT JOIN (SELECT [Priority], SUM ([PaymentAmount]) AS [kxMoneyPaid], SUM ([Interest]) AS [kxInterestPaid],
             MAX ([PaymentNumber]) AS [kxMonths]
           FROM [tblKXPaymentsFromArray] GROUP BY [Priority]) [z] ON [d].[Priority] = [z].[Priority]
LEFT JOIN (SELECT [Debt], SUM ([Payment]) AS [minMoneyPaid], SUM ([Interest]) AS [minInterestPaid],
             MAX ([PmtNumber]) AS [minMonths]
           FROM [tblMinPaymentsFromArray] GROUP BY [Debt]) [m] ON [d].[Priority] = [m].[Debt]
ORDER BY [d].[Priority];

CREATE VIEW [viewKXPaymentCrossTab] AS
SELECT STRFTIME ('%Y', [PaymentDate]) AS [Year], [CreditorName],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '01' THEN CAST (([PaymentAmount] + 0.999999) AS [INTEGER]) END, 0)) AS [Jan],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '02' THEN CAST (([PaymentAmount] + 0.999999) AS [INTEGER]) END, 0)) AS [Feb],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '03' THEN CAST (([PaymentAmount] + 0.999999) AS [INTEGER]) END, 0)) AS [Mar],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '04' THEN CAST (([PaymentAmount] + 0.999999) AS [INTEGER]) END, 0)) AS [Apr],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '05' THEN CAST (([PaymentAmount] + 0.999999) AS [INTEGER]) END, 0)) AS [May],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '06' THEN CAST (([PaymentAmount] + 0.999999) AS [INTEGER]) END, 0)) AS [Jun],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '07' THEN CAST (([PaymentAmount] + 0.999999) AS [INTEGER]) END, 0)) AS [Jul],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '08' THEN CAST (([PaymentAmount] + 0.999999) AS [INTEGER]) END, 0)) AS [Aug],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '09' THEN CAST (([PaymentAmount] + 0.999999) AS [INTEGER]) END, 0)) AS [Sep],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '10' THEN CAST (([PaymentAmount] + 0.999999) AS [INTEGER]) END, 0)) AS [Oct],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '11' THEN CAST (([PaymentAmount] + 0.999999) AS [INTEGER]) END, 0)) AS [Nov],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '12' THEN CAST (([PaymentAmount] + 0.999999) AS [INTEGER]) END, 0)) AS [Dec]
FROM [tblKXPaymentsFromArray]
GROUP BY STRFTIME ('%Y', [PaymentDate]), [CreditorName]
-- MIN keeps the creditors of a year in the order their payments were written
ORDER BY [Year], MIN ([RecordNum]);

CREATE VIEW [viewKXBalanceCrossTab] AS
SELECT STRFTIME ('%Y', [PaymentDate]) AS [Year], [CreditorName],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '01' THEN CAST (([StartBalance] + 0.999999) AS [INTEGER]) END, 0)) AS [Jan],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '02' THEN CAST (([StartBalance] + 0.999999) AS [INTEGER]) END, 0)) AS [Feb],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '03' THEN CAST (([StartBalance] + 0.999999) AS [INTEGER]) END, 0)) AS [Mar],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '04' THEN CAST (([StartBalance] + 0.999999) AS [INTEGER]) END, 0)) AS [Apr],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '05' THEN CAST (([StartBalance] + 0.999999) AS [INTEGER]) END, 0)) AS [May],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '06' THEN CAST (([StartBalance] + 0.999999) AS [INTEGER]) END, 0)) AS [Jun],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '07' THEN CAST (([StartBalance] + 0.999999) AS [INTEGER]) END, 0)) AS [Jul],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '08' THEN CAST (([StartBalance] + 0.999999) AS [INTEGER]) END, 0)) AS [Aug],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '09' THEN CAST (([StartBalance] + 0.999999) AS [INTEGER]) END, 0)) AS [Sep],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '10' THEN CAST (([StartBalance] + 0.999999) AS [INTEGER]) END, 0)) AS [Oct],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '11' THEN CAST (([StartBalance] + 0.999999) AS [INTEGER]) END, 0)) AS [Nov],
  SUM (COALESCE (CASE WHEN STRFTIME ('%m', [PaymentDate]) = '12' THEN CAST (([StartBalance] + 0.999999) AS [INTEGER]) END, 0)) AS [Dec]
FROM [tblKXPaymentsFromArray]
GROUP BY STRFTIME ('%Y', [PaymentDate]), [CreditorName]
-- MIN keeps the creditors of a year in the order their payments were written
ORDER BY [Year], MIN ([RecordNum]);

CREATE VIEW [viewKXInterestCrossTab] AS
SELECT STRFTIME ('%Y', [PaymentDate]) AS [Year], [CreditorName],
  SUM(coalesce(case when strftime('%m', PaymentDate) = '01' then Interest end,0)) as Jan,
  SUM(coalesce(case when strftime('%m', PaymentDate) = '02' then Interest end,0)) as Feb,
  SUM(coalesce(case when strftime('%m', PaymentDate) = '03' then Interest end,0)) as Mar,
  SUM(coalesce(case when strftime('%m', PaymentDate) = '04' then Interest end,0)) as Apr,
  SUM(coalesce(case when strftime('%m', PaymentDate) = '05' then Interest end,0)) as May,
  SUM(coalesce(case when strftime('%m', PaymentDate) = '06' then Interest end,0)) as Jun,
  SUM(coalesce(case when strftime('%m', PaymentDate) = '07' then Interest end,0)) as Jul,
  SUM(coalesce(case when strftime('%m', PaymentDate) = '08' then Interest end,0)) as Aug,
  SUM(coalesce(case when strftime('%m', PaymentDate) = '09' then Interest end,0)) as Sep,
  SUM(coalesce(case when strftime('%m', PaymentDate) = '10' then Interest end,0)) as Oct,
  SUM(coalesce(case when strftime('%m', PaymentDate) = '11' then Interest end,0)) as Nov,
  SUM(coalesce(case when strftime('%m', PaymentDate) = '12' then Interest end,0)) as Dec
FROM [tblKXPaymentsFromArray]
GROUP BY STRFTIME ('%Y', [PaymentDate]), [CreditorName]
-- MIN keeps the creditors of a year in the order their payments were written
ORDER BY [Year], MIN ([RecordNum]);
