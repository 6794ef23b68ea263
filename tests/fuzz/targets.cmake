# One line per fuzz target: its name (tests/fuzz/<name>.cpp, seeds in
# tests/fuzz/<name>/) and the layers it links.
duna_fuzz_target(replies LINK duna_link)
duna_fuzz_target(base_file LINK duna_image)
duna_fuzz_target(settings_file LINK duna_image)
duna_fuzz_target(sim_frames LINK duna_sim)
