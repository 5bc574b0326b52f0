"""The lesson modules: what stands on each lesson's pages (see tools/lecionformo.py)."""
