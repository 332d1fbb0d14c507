#pragma once
// Exact amounts: only the engine may name them.
